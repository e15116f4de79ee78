#pragma once

#include "store/database.h"
#include "submission/log_record.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Renders the submission database as the return text image, a piece at a time, so that no
// size of return is ever held whole in memory.
void streamReturnImage(Database& submission, const std::function<void(const QByteArray&)>& sink);

SubmissionTotals readTotals(Database& submission);

// Writes the image of the submission file to the image path: complete, or not there at all.
void writeReturnImage(const QString& submissionPath, const QString& imagePath);
