#include "store/returns/next_year.h"

#include "core/common/columns.h"
#include "core/common/engine_error.h"
#include "core/records/record_types.h"
#include "core/returns/workspace_rules.h"
#include "store/common/database.h"
#include "store/common/schema.h"
#include "store/employer/employer_table.h"
#include "store/returns/summary_file.h"
#include "store/startup/password_change.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QScopeGuard>

namespace nextyear {
namespace {

constexpr qint64 progressStep = 256;

// The columns of page 1 that carry over; the type and the sheet number are set afresh.
QStringList carriedColumns() {
    QStringList names;
    for (const ColumnDef& column : employeeColumns()) {
        const QString name = QLatin1String(column.name);
        if (name == u"EDay1")
            break;
        if (name != u"Status" && name != u"SheetNo")
            names << name;
    }
    return names;
}

QString lastDayOf(const Statement& row, int firstColumn) {
    return row.value(firstColumn).toString() + row.value(firstColumn + 1).toString() +
           row.value(firstColumn + 2).toString();
}

EngineError notReadBack(const QString& folder) {
    return EngineError(engine::Damaged,
                       QObject::tr("The new return in '%1' did not read back as it was written; "
                                   "it was not kept.")
                           .arg(QDir::toNativeSeparators(folder)));
}

void writeEmployer(Database& target, const EmployerData& source, const QString& year) {
    EmployerData next;
    next.version = schema::currentVersion;
    next.returnYear = year;
    next.section = source.section;
    next.fileNumber = source.fileNumber;
    next.name = source.name;
    next.designation = source.designation;
    employertable::writeEmployer(target, employertable::readEmployer(target).rowId, next);
}

qint64 copyRecords(Database& source, Database& target, const Request& request, const QString& year,
                   const Progress& progress) {
    const QStringList columns = carriedColumns();
    Statement read = source.prepare(
        QStringLiteral("SELECT %1, EDay2, EMonth2, EYear2 FROM employee WHERE Status IS NOT 'H' "
                       "ORDER BY rowid")
            .arg(columns.join(QStringLiteral(", "))));
    Statement write =
        target.prepare(QStringLiteral("INSERT INTO employee (Status, SheetNo, %1) VALUES (?, ?%2)")
                           .arg(columns.join(QStringLiteral(", ")),
                                QStringLiteral(", ?").repeated(columns.size())));
    const qint64 total = returnfiles::recordCount(source);
    qint64 done = 0;
    qint64 written = 0;
    while (read.next()) {
        ++done;
        if (!request.carryOverEnded &&
            workspace::endedBeforeNextYear(lastDayOf(read, columns.size()), year))
            continue;
        write.bind(1, QString(QChar(recordtype::original))).bind(2, QStringLiteral(" "));
        for (int column = 0; column < columns.size(); ++column)
            write.bind(column + 3, read.value(column));
        write.run();
        write.reset();
        ++written;
        if (progress && done % progressStep == 0)
            progress(done, total);
    }
    if (progress)
        progress(total, total);
    return written;
}

void verify(const QString& folder, const Request& request, const Result& expected) {
    Database check = Database::open(databasePath(folder, DatabaseFile::Working),
                                    {.password = request.password, .readOnly = true});
    if (returnfiles::recordCount(check) != expected.records ||
        employertable::readEmployer(check).data.returnYear != expected.returnYear)
        throw notReadBack(request.targetFolder);
}

} // namespace

QList<EndedEmployee> endedEmployees(Database& source) {
    const QString year = employertable::readEmployer(source).data.returnYear;
    Statement read = source.prepare(
        QStringLiteral("SELECT ID, Surname, FirstName, EDay2, EMonth2, EYear2 FROM employee "
                       "WHERE Status IS NOT 'H' ORDER BY Surname, FirstName, rowid"));
    QList<EndedEmployee> ended;
    while (read.next())
        if (workspace::endedBeforeNextYear(lastDayOf(read, 3), year))
            ended.append(
                {read.value(0).toLongLong(),
                 QStringList{read.value(1).toString().trimmed(), read.value(2).toString().trimmed()}
                     .join(QStringLiteral(", "))});
    return ended;
}

Result makeNextYearReturn(Database& source, const Request& request, const Progress& progress) {
    const EmployerData employer = employertable::readEmployer(source).data;
    Result result{workspace::nextYear(employer.returnYear), 0};
    if (result.returnYear.isEmpty())
        throw EngineError(engine::InvalidArgument,
                          QObject::tr("The return year '%1' is not a year; enter it on the "
                                      "employer's screen first.")
                              .arg(employer.returnYear));
    if (QFileInfo::exists(request.targetFolder))
        throw EngineError(engine::AlreadyExists,
                          QObject::tr("The folder '%1' exists already.")
                              .arg(QDir::toNativeSeparators(request.targetFolder)));
    const QString work = request.targetFolder + QStringLiteral(".making");
    QDir(work).removeRecursively();
    auto cleanUp = qScopeGuard([&work] { QDir(work).removeRecursively(); });
    QDir().mkpath(work);
    createWorkingDatabase(work);
    std::optional<Database> target = Database::open(databasePath(work, DatabaseFile::Working),
                                                    {.password = schema::defaultPassword});
    {
        Transaction transaction(*target);
        writeEmployer(*target, employer, result.returnYear);
        result.records = copyRecords(source, *target, request, employer.returnYear, progress);
        transaction.commit();
    }
    if (request.password != schema::defaultPassword)
        changeDatabasePassword(target, schema::defaultPassword, request.password);
    returnfiles::recordSummary(*target, work);
    target.reset();
    verify(work, request, result);
    if (!QDir().rename(work, request.targetFolder))
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("The new return cannot take the folder '%1'.")
                              .arg(QDir::toNativeSeparators(request.targetFolder)));
    cleanUp.dismiss();
    return result;
}

} // namespace nextyear
