// Measures the submission on a working database of N original records: the build of the
// submission database, its text image, the digest and the log together, against what the
// sqlcipher client needs for the same copy (attach, insert-select, vacuum) plus md5sum of the
// image, both in the same run and each the median of --repeat runs taken in turn; and the peak
// resident memory of the program's part.
#include "client_floor.h"
#include "command_line.h"
#include "process_memory.h"
#include "record_generator.h"

#include "core/platform/allocator.h"
#include "store/common/schema.h"
#include "store/records/sheet_numbers.h"
#include "store/submission/log_database.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

namespace {

const QString returnYear = QString::number(generator::defaultReturnYear);

// Every generated record becomes an original one and is numbered, as the save's sort leaves them.
void makeAllOriginal(const QDir& folder) {
    Database login = Database::open(databasePath(folder.absolutePath(), DatabaseFile::Working),
                                    OpenOptions{schema::defaultPassword, true, false});
    login.exec(QStringLiteral("UPDATE employee SET Status='O' WHERE Status IN ('R', 'S')"));
    numberOriginalRecords(login);
}

// The program's part, timed step by step on a working database of original records.
struct ProgramRun {
    qint64 copied = 0;
    qint64 built = 0; // nanoseconds since the start, after each step
    qint64 imaged = 0;
    qint64 logged = 0;
    long long peakKiB = 0;
};

// One run of the program's part; the records were made original and numbered before.
ProgramRun runProgram(const QDir& folder) {
    std::optional<Database> login =
        Database::open(databasePath(folder.absolutePath(), DatabaseFile::Working),
                       OpenOptions{schema::defaultPassword, true, false});
    memory::resetPeakResident();
    ProgramRun run;
    QElapsedTimer timer;
    timer.start();
    const QString submission = folder.filePath(submissionFileName);
    const QString image = folder.filePath(QStringLiteral("_a.txt"));
    run.copied = buildSubmission(*login, folder.absolutePath(), returnYear);
    run.built = timer.nsecsElapsed();
    const SubmissionTotals totals = writeReturnImage(submission, image);
    run.imaged = timer.nsecsElapsed();
    writeLogDatabase(
        folder.absolutePath(),
        {submission, image, QStringLiteral("A:\\12345678.MDB"), QDateTime::currentDateTime()},
        totals);
    run.logged = timer.nsecsElapsed();
    run.peakKiB = memory::peakResidentKiB();
    return run; // closing the login lets the client open the working database
}

// The median run by its whole time, so that its steps are those of one and the same run.
ProgramRun medianRun(std::vector<ProgramRun> runs) {
    std::ranges::sort(runs, {}, &ProgramRun::logged);
    ProgramRun middle = runs[runs.size() / 2];
    for (const ProgramRun& run : runs)
        middle.peakKiB = std::max(middle.peakKiB, run.peakKiB);
    return middle;
}

void report(const QDir& folder, const ProgramRun& run, qint64 floor) {
    bench::say(QStringLiteral("%1 records copied; submission %2 bytes, image %3 bytes")
                   .arg(run.copied)
                   .arg(QFileInfo(folder.filePath(submissionFileName)).size())
                   .arg(QFileInfo(folder.filePath(QStringLiteral("_a.txt"))).size()));
    bench::say(QStringLiteral("program: build %1, image %2, digest and log %3, together %4")
                   .arg(bench::milliseconds(run.built), bench::milliseconds(run.imaged - run.built),
                        bench::milliseconds(run.logged - run.imaged),
                        bench::milliseconds(run.logged)));
    bench::say(QStringLiteral("sqlcipher client copy and vacuum plus md5sum: %1; ratio %2 "
                              "(at most 2)")
                   .arg(bench::milliseconds(floor))
                   .arg(static_cast<double>(run.logged) / static_cast<double>(floor), 0, 'f', 2));
    bench::say(QStringLiteral("peak resident memory of the program's part: %1 MB (at most 150)")
                   .arg(run.peakKiB / 1024.0, 0, 'f', 1));
    bench::result(QStringLiteral("submission build, image and digest"), run.copied, run.logged,
                  floor, run.peakKiB * 1024);
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("submission_bench"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption records(QStringLiteral("records"),
                                     QStringLiteral("Original records (default 50000)."),
                                     QStringLiteral("N"), QStringLiteral("50000"));
    const QCommandLineOption keep(QStringLiteral("keep"),
                                  QStringLiteral("Work in DIR (new or empty) and leave the files "
                                                 "there for a look."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("Runs of each, whose medians are reported "
                                                   "(default 1)."),
                                    QStringLiteral("R"), QStringLiteral("1"));
    parser.addOptions({records, keep, repeat});
    parser.process(app);
    const auto count = bench::wholeNumber(parser, records, 1, 1'000'000);
    const auto runs = bench::wholeNumber(parser, repeat, 1, 100);
    if (!count || !runs)
        return 2;
    QTemporaryDir temporary;
    const QDir folder(parser.isSet(keep) ? parser.value(keep) : temporary.path());
    if (!folder.mkpath(QStringLiteral(".")) || !folder.isEmpty()) {
        bench::complain(QStringLiteral("the folder must be new or empty"));
        return 2;
    }
    bench::say(QStringLiteral("generating %1 records...").arg(*count));
    generator::makeWorkingDatabase(folder.absolutePath(), static_cast<int>(*count), 1);
    makeAllOriginal(folder);
    std::vector<ProgramRun> programRuns;
    std::vector<qint64> floors;
    for (qint64 run = 0; run < *runs; ++run) {
        programRuns.push_back(runProgram(folder));
        floors.push_back(bench::submissionFloor(
            folder.absolutePath(), folder.filePath(QStringLiteral("_a.txt")), returnYear.toInt()));
    }
    report(folder, medianRun(programRuns), bench::median(floors));
    return 0;
}
