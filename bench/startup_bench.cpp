// Measures start-up to an open, verified login connection on a working database of N records:
// the probe that finds the password-protected file, the open with the password (key derivation
// included) and the reads of both tables that the login makes. Reports medians and the peak
// resident memory of the measured part. Then times the day's first login: the same start-up plus
// the backup copy it takes, against a plain copy of the file plus the client's read of both tables.
#include "command_line.h"
#include "process_memory.h"
#include "record_generator.h"

#include "core/platform/allocator.h"
#include "store/common/schema.h"
#include "store/startup/backups.h"
#include "store/startup/startup.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <stdexcept>

namespace {

struct Request {
    QString existingFolder; // empty: generate a database in a temporary folder
    int records = 50'000;
    int repeat = 5;
    quint32 seed = 1;
};

struct StartupTimes {
    qint64 probe = 0; // nanoseconds of each phase
    qint64 open = 0;
    qint64 read = 0;
    qint64 total() const { return probe + open + read; }
};

std::optional<Request> readRequest(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times start-up to an open, verified login connection."));
    parser.addHelpOption();
    const QCommandLineOption records(QStringLiteral("records"),
                                     QStringLiteral("Records to generate (default 50000)."),
                                     QStringLiteral("N"), QStringLiteral("50000"));
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("Measured start-ups (default 5)."),
                                    QStringLiteral("R"), QStringLiteral("5"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the generator (default 1)."),
                                  QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Measure the working database already in DIR (made by make_database, "
                       "password qvz) instead of generating one; it is not changed."),
        QStringLiteral("DIR"));
    parser.addOptions({records, repeat, seed, dataDir});
    parser.process(app);
    const auto count = bench::wholeNumber(parser, records, 0, 10'000'000);
    const auto times = bench::wholeNumber(parser, repeat, 1, 1000);
    const auto seedValue = bench::wholeNumber(parser, seed, 0, UINT32_MAX);
    if (!count || !times || !seedValue)
        return std::nullopt;
    return Request{parser.value(dataDir), static_cast<int>(*count), static_cast<int>(*times),
                   static_cast<quint32>(*seedValue)};
}

qint64 singleValue(Database& db, const QString& sql) {
    Statement query = db.prepare(sql);
    if (!query.next())
        throw std::runtime_error("a read of the working database returned no row");
    return query.value(0).toLongLong();
}

// The reads the login makes, checked so that a wrong key or an empty file cannot pass.
void verifyTables(Database& login) {
    if (singleValue(login, QStringLiteral("select count(*) from employer")) != 1)
        throw std::runtime_error("the employer table does not hold exactly one row");
    if (singleValue(login, QStringLiteral("select max(rowid) from employee")) < 1)
        throw std::runtime_error("the employee table is empty");
}

StartupTimes measureStartup(const QString& folder) {
    StartupTimes times;
    QElapsedTimer clock;
    clock.start();
    if (prepareWorkingDatabase(folder) != StartupPath::PasswordProtected)
        throw std::runtime_error("start-up did not find a password-protected working database");
    times.probe = clock.nsecsElapsed();
    Database login = Database::open(databasePath(folder, DatabaseFile::Working),
                                    OpenOptions{.password = schema::defaultPassword});
    times.open = clock.nsecsElapsed() - times.probe;
    verifyTables(login);
    times.read = clock.nsecsElapsed() - times.probe - times.open;
    return times;
}

qint64 median(QList<qint64> values) {
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

qint64 medianOf(const QList<StartupTimes>& runs, qint64 (*phase)(const StartupTimes&)) {
    QList<qint64> values;
    for (const StartupTimes& run : runs)
        values << phase(run);
    return median(values);
}

void generate(const QString& folder, const Request& request) {
    QElapsedTimer clock;
    clock.start();
    generator::makeWorkingDatabase(folder, request.records, request.seed);
    bench::say(QStringLiteral("generated %1 records (seed %2) in %3")
                   .arg(request.records)
                   .arg(request.seed)
                   .arg(bench::milliseconds(clock.nsecsElapsed())));
}

void report(const QList<StartupTimes>& runs) {
    QStringList each;
    for (const StartupTimes& run : runs)
        each << bench::milliseconds(run.total());
    bench::say(QStringLiteral("start-ups: %1").arg(each.join(QStringLiteral(", "))));
    bench::say(
        QStringLiteral("median start-up %1 (probe %2, open with password %3, reads %4)")
            .arg(
                bench::milliseconds(
                    medianOf(runs, [](const StartupTimes& t) { return t.total(); })),
                bench::milliseconds(medianOf(runs, [](const StartupTimes& t) { return t.probe; })),
                bench::milliseconds(medianOf(runs, [](const StartupTimes& t) { return t.open; })),
                bench::milliseconds(medianOf(runs, [](const StartupTimes& t) { return t.read; }))));
}

// The day's first login: start-up, the login's reads, and the backup copy of the day, in a fresh
// backups folder each time so that every run takes the copy afresh.
qint64 measureFirstLogin(const QString& folder) {
    QElapsedTimer clock;
    clock.start();
    if (prepareWorkingDatabase(folder) != StartupPath::PasswordProtected)
        throw std::runtime_error("start-up did not find a password-protected working database");
    Database login = Database::open(databasePath(folder, DatabaseFile::Working),
                                    OpenOptions{.password = schema::defaultPassword});
    verifyTables(login);
    backups::take(login, folder, schema::defaultPassword, backups::reason::firstLogin,
                  QDateTime::currentDateTime());
    const qint64 elapsed = clock.nsecsElapsed();
    QDir(QDir(folder).filePath(backups::folderName)).removeRecursively();
    return elapsed;
}

void measureFirstLogins(const QString& folder, const Request& request) {
    // The copies are removed after each run: a folder that holds copies already is left alone.
    if (QFileInfo::exists(QDir(folder).filePath(backups::folderName))) {
        bench::say(QStringLiteral("the folder holds backup copies: first login not measured"));
        return;
    }
    memory::resetPeakResident();
    QList<qint64> runs;
    for (int i = 0; i < request.repeat; ++i)
        runs << measureFirstLogin(folder);
    const long long peak = memory::peakResidentKiB();
    const QString working = databasePath(folder, DatabaseFile::Working);
    const QString copy = QDir(folder).filePath(QStringLiteral("plain-copy.mdb"));
    QList<qint64> floors;
    for (int i = 0; i < request.repeat; ++i) {
        floors << bench::runTool({QStringLiteral("cp"), working, copy}, QByteArray()) +
                      bench::runTool({QStringLiteral("sqlcipher"), working},
                                     "PRAGMA key='qvz';\nselect count(*) from employer;\n"
                                     "select count(*) from employee;\n");
        QFile::remove(copy);
    }
    bench::say(
        QStringLiteral("median first login of the day %1, floor (cp and the client's read) %2")
            .arg(bench::milliseconds(median(runs)), bench::milliseconds(median(floors))));
    bench::result(QStringLiteral("first login of the day (with its backup copy)"), request.records,
                  median(runs), median(floors), peak * 1024);
}

int run(const Request& request) {
    QTemporaryDir temporary;
    QString folder = request.existingFolder;
    if (folder.isEmpty()) {
        if (!temporary.isValid())
            throw std::runtime_error("no temporary folder");
        folder = temporary.path();
        generate(folder, request);
    }
    bench::say(QStringLiteral("database %1: %2 bytes")
                   .arg(databasePath(folder, DatabaseFile::Working))
                   .arg(QFileInfo(databasePath(folder, DatabaseFile::Working)).size()));
    const long long before = memory::peakResidentKiB();
    const bool reset = memory::resetPeakResident();
    QList<StartupTimes> runs;
    for (int i = 0; i < request.repeat; ++i)
        runs << measureStartup(folder);
    report(runs);
    const long long peak = memory::peakResidentKiB();
    QList<qint64> floors;
    for (int i = 0; i < request.repeat; ++i)
        floors << bench::runTool(
            {QStringLiteral("sqlcipher"), databasePath(folder, DatabaseFile::Working)},
            "PRAGMA key='qvz';\nselect count(*) from employer;\n"
            "select max(rowid) from employee;\n");
    bench::result(QStringLiteral("start-up to the login connection"), request.records,
                  medianOf(runs, [](const StartupTimes& t) { return t.total(); }), median(floors),
                  peak * 1024);
    bench::say(reset ? QStringLiteral("peak resident memory during the start-ups: %1 KiB (peak "
                                      "before them: %2 KiB)")
                           .arg(peak)
                           .arg(before)
                     : QStringLiteral("peak resident memory of the whole run (could not be reset "
                                      "before the start-ups): %1 KiB")
                           .arg(peak));
    measureFirstLogins(folder, request);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("startup_bench"));
    const std::optional<Request> request = readRequest(app);
    if (!request)
        return 2;
    try {
        return run(*request);
    } catch (const EngineError& error) {
        bench::complain(
            QStringLiteral("%1 (error %2)").arg(error.description()).arg(error.number()));
    } catch (const std::exception& error) {
        bench::complain(QString::fromUtf8(error.what()));
    }
    return 1;
}
