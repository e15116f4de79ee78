#pragma once

#include <QList>
#include <QString>
#include <functional>

class Database;

// Next year's return from the one open: a new return folder whose employer row is this one's
// with the year after, and whose records are this return's page 1 alone, as the change of the
// return year leaves them (type original, not numbered, pages 2 to 4 empty). The open return is
// only read.
namespace nextyear {

struct EndedEmployee {
    qint64 id = 0;
    QString name; // surname and other names, as the lists show them
};

// The employees whose period of employment ended before the next year begins.
QList<EndedEmployee> endedEmployees(Database& source);

struct Request {
    QString targetFolder; // must not exist yet; made beside it under a work name first
    QString password;     // the new return's database password: the one of the open return
    bool carryOverEnded = false;
};

struct Result {
    QString returnYear;
    qint64 records = 0;
};

// Told the records written so far and how many there are in all.
using Progress = std::function<void(qint64 done, qint64 total)>;

// All or nothing: the new return is built in a work folder, read back with its password and only
// then renamed to the target folder. On failure nothing is left and EngineError is raised.
Result makeNextYearReturn(Database& source, const Request& request, const Progress& progress);

} // namespace nextyear
