#pragma once

#include "core/submission/log_record.h"
#include "store/common/database.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// Renders the submission database as the return text image, handed on a piece at a time, in one
// pass over its records with a small page cache. The records' texts are held in memory while
// they are put in sheet order. The totals of the records read, when asked for, are those
// readTotals gives.
void streamReturnImage(Database& submission, const std::function<void(const QByteArray&)>& sink,
                       SubmissionTotals* totals = nullptr);

SubmissionTotals readTotals(Database& submission);

// The submission's records by numeric sheet number, as row keys. Only the keys are sorted, not
// whole rows, which keeps the sort small and in memory for any size of return.
std::vector<qint64> recordsInImageOrder(Database& submission);

// Writes the image of the submission file to the image path: complete, or not there at all.
// Told after each piece written, so that a screen can stay responsive meanwhile. Returns the
// totals of the records it read from the file, for the log.
SubmissionTotals writeReturnImage(const QString& submissionPath, const QString& imagePath,
                                  const std::function<void()>& pieceWritten = {});
