#pragma once

#include <QList>
#include <QString>

// Checks a saved submission against the log beside it without changing either file: the text
// image is rebuilt in memory from the submission and digested, and the name, size, format
// version and both totals are compared with the log's row.
struct SubmissionCheck {
    QString name;
    QString found;
    QString expected;
    bool holds() const { return found == expected; }
};

// Throws EngineError when the submission or its log cannot be read.
QList<SubmissionCheck> verifySubmission(const QString& submissionPath);
