// Measures, on a generated working database of N records, the whole-return check, the export to
// CSV and to a workbook, the dry run of that CSV file, of the same rows in a workbook of shared
// strings and of the exported workbook, the import of the CSV file into a fresh database, and the
// dry run of a file of N rows that all repeat the first record's identity number; the CSV export
// is set against the sqlcipher client's ".mode csv" output of the same table in the same run. Each
// command runs --repeat times (default 5); the median, the processor time and the peak resident
// memory are printed, and one RESULT line per command for the benchmark table. --quick runs the
// check alone.
#include "command_line.h"
#include "process_memory.h"
#include "record_generator.h"

#include "core/import/csv.h"
#include "core/platform/allocator.h"
#include "store/common/schema.h"
#include "store/import/record_transfer.h"
#include "store/import/workbook_export.h"
#include "store/records/whole_return.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <ctime>
#include <functional>
#include <malloc.h>
#include <numeric>
#include <xlsxwriter.h>

namespace {

struct Figures {
    qint64 medianNs = 0;
    qint64 peakBytes = 0;
    qint64 medianCpuNs = 0; // processor time of the whole process, which the load does not swell
    qint64 residentBefore = 0;
};

qint64 processorNs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// prepare runs before each timed step and is not counted.
Figures measure(int repeat, const std::function<void()>& prepare,
                const std::function<void()>& step) {
    std::vector<qint64> samples;
    std::vector<qint64> cpuSamples;
    qint64 residentBefore = -1;
    qint64 peakKiB = 0;
    for (int i = 0; i < repeat; ++i) {
        if (prepare)
            prepare();
        // Memory the commands before freed (and the run before) goes back to the system first:
        // the allocator keeps it otherwise, and the peak would be theirs rather than this run's.
        malloc_trim(0);
        if (residentBefore < 0)
            residentBefore = memory::currentResidentKiB() * 1024;
        memory::resetPeakResident();
        QElapsedTimer timer;
        const qint64 cpuStart = processorNs();
        timer.start();
        step();
        samples.push_back(timer.nsecsElapsed());
        cpuSamples.push_back(processorNs() - cpuStart);
        peakKiB = std::max(peakKiB, memory::peakResidentKiB());
    }
    return {bench::median(samples), peakKiB * 1024, bench::median(cpuSamples), residentBefore};
}

// The engine's own client writes the same rows as CSV.
qint64 clientExport(const QString& database, const QString& target) {
    const QString script =
        QStringLiteral("PRAGMA key='%1';\n.headers on\n.mode csv\n.output %2\n"
                       "SELECT * FROM employee WHERE Status <> 'H' ORDER BY ID, rowid;\n")
            .arg(schema::defaultPassword, target);
    QElapsedTimer timer;
    timer.start();
    QProcess client;
    client.start(QStringLiteral("sqlcipher"), {database});
    client.write(script.toUtf8());
    client.closeWriteChannel();
    if (!client.waitForFinished(-1) || client.exitCode() != 0)
        throw std::runtime_error("the sqlcipher client failed");
    return timer.nsecsElapsed();
}

void report(const QString& command, qint64 records, const Figures& figures, qint64 floorNs) {
    bench::say(QStringLiteral("%1: median %2 (processor %3), peak resident %4 MB (%5 MB before)")
                   .arg(command, bench::milliseconds(figures.medianNs),
                        bench::milliseconds(figures.medianCpuNs))
                   .arg(figures.peakBytes / (1024.0 * 1024.0), 0, 'f', 1)
                   .arg(figures.residentBefore / (1024.0 * 1024.0), 0, 'f', 1));
    bench::result(command, records, figures.medianNs, floorNs, figures.peakBytes);
}

// The exported file's first record written `records` times under its header: every row then
// carries the same identity number, which each row's finding names.
QString writeIdenticalRows(const QString& exported, const QString& target, int records) {
    QFile source(exported);
    if (!source.open(QIODevice::ReadOnly))
        throw std::runtime_error("the exported file cannot be read");
    const QByteArray header = source.readLine();
    const QByteArray row = source.readLine();
    QFile file(target);
    if (row.isEmpty() || !file.open(QIODevice::WriteOnly))
        throw std::runtime_error("the file of identical rows cannot be written");
    file.write(header);
    for (int i = 0; i < records; ++i)
        file.write(row);
    return target;
}

// The exported file as a workbook of one sheet, as a spreadsheet program saves it: whole
// numbers (amounts without their commas among them) as number cells, every other field as text.
QString writeWorkbook(const QString& exported, const QString& target) {
    QFile source(exported);
    if (!source.open(QIODevice::ReadOnly))
        throw std::runtime_error("the exported file cannot be read");
    const QString text = *csv::decodeFile(source.readAll());
    lxw_workbook* book = workbook_new(QFile::encodeName(target).constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Records");
    static const QRegularExpression wholeNumber(QStringLiteral("^[1-9][0-9,]*$"));
    lxw_row_t row = 0;
    csv::forEachRecord(text, [&](const csv::Record& record) {
        for (qsizetype i = 0; i < record.fields.size(); ++i) {
            const QString& field = record.fields.at(i);
            const auto column = static_cast<lxw_col_t>(i);
            if (row > 0 && wholeNumber.match(field).hasMatch())
                worksheet_write_number(sheet, row, column, QString(field).remove(u',').toDouble(),
                                       nullptr);
            else if (!field.isEmpty())
                worksheet_write_string(sheet, row, column, field.toUtf8().constData(), nullptr);
        }
        ++row;
    });
    if (workbook_close(book) != LXW_NO_ERROR)
        throw std::runtime_error("the workbook cannot be written");
    return target;
}

const char* const writeWorkbookVerb = "--write-workbook";

// The same, written by a process of its own: the writing library holds every cell until the file
// is closed (some 400 MB for 100,000 records), and the heap it leaves behind here would count in
// the peak of the dry run measured next.
QString writeWorkbookApart(const QString& exported, const QString& target) {
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(),
                 {QString::fromLatin1(writeWorkbookVerb), exported, target});
    if (!writer.waitForFinished(-1) || writer.exitStatus() != QProcess::NormalExit ||
        writer.exitCode() != 0 || !QFileInfo(target).isFile())
        throw std::runtime_error("the workbook cannot be written");
    return target;
}

void run(const QDir& folder, int records, int repeat, bool checkOnly) {
    folder.mkpath(QStringLiteral("source"));
    generator::makeWorkingDatabase(folder.filePath("source"), records, 17);
    const QString csvPath = folder.filePath("records.csv");
    std::vector<qint64> floors;
    for (int i = 0; i < repeat; ++i)
        floors.push_back(
            clientExport(databasePath(folder.filePath("source"), DatabaseFile::Working),
                         folder.filePath("client.csv")));
    Database db = Database::open(databasePath(folder.filePath("source"), DatabaseFile::Working),
                                 OpenOptions{schema::defaultPassword});
    int problems = 0;
    validation::ReturnReport checked;
    // The previous run's report goes first, so that the peak is that of one check.
    report("whole-return check", records,
           measure(
               repeat, [&] { checked = validation::ReturnReport(); },
               [&] {
                   checked = validateWholeReturn(db);
                   problems = static_cast<int>(checked.problems.size());
               }),
           -1);
    bench::say(QStringLiteral("check: %1 errors, %2 warnings, %3 hints; %4 originals, income %5")
                   .arg(checked.count(validation::Severity::Error))
                   .arg(checked.count(validation::Severity::Warning))
                   .arg(checked.count(validation::Severity::Hint))
                   .arg(checked.totals.records)
                   .arg(checked.totals.income()));
    checked = validation::ReturnReport();
    if (checkOnly)
        return;
    report("export to CSV", records, measure(repeat, {}, [&] { exportRecords(db, csvPath); }),
           bench::median(floors));
    // Written row by row to disk and read back whole before it takes its name; no floor.
    const QString workbookPath = folder.filePath("records.xlsx");
    // The processor time of the runs beside their time: on the shared machine the time alone
    // says more about the other users than about the export.
    const std::clock_t processorBefore = std::clock();
    report("export to a workbook", records,
           measure(repeat, {}, [&] { exportRecordsWorkbook(db, workbookPath); }), -1);
    const double processorSeconds =
        double(std::clock() - processorBefore) / CLOCKS_PER_SEC / std::max(repeat, 1);
    bench::say(QStringLiteral("workbook: %1 bytes, %2 s of processor time a run")
                   .arg(QFileInfo(workbookPath).size())
                   .arg(processorSeconds, 0, 'f', 2));
    ImportPlan plan;
    // The previous run's plan goes first, so that the peak is that of one dry run.
    report("import dry run", records,
           measure(
               repeat, [&] { plan = ImportPlan(); }, [&] { plan = dryRun(db, csvPath); }),
           -1);
    const qint64 csvPlanned = plan.rows.size();
    plan = ImportPlan();
    // The same rows from a workbook, measured before anything else of the run is held.
    const QString workbook = writeWorkbookApart(csvPath, folder.filePath("shared.xlsx"));
    report("import dry run from .xlsx", records,
           measure(
               repeat, [&] { plan = ImportPlan(); }, [&] { plan = dryRun(db, workbook); }),
           -1);
    bench::say(QStringLiteral("%1 rows planned from the workbook (%2 MB), %3 from CSV")
                   .arg(plan.rows.size())
                   .arg(QFileInfo(workbook).size() / (1024.0 * 1024.0), 0, 'f', 1)
                   .arg(csvPlanned));
    plan = ImportPlan();
    // The program's own export (written above), whose texts are written inline in the sheet rather
    // than in a table of shared strings: a clerk who corrects an exported workbook imports this
    // form.
    report("import dry run from the exported .xlsx", records,
           measure(
               repeat, [&] { plan = ImportPlan(); }, [&] { plan = dryRun(db, workbookPath); }),
           -1);
    bench::say(QStringLiteral("%1 rows planned from the exported workbook").arg(plan.rows.size()));
    plan = ImportPlan();
    plan = dryRun(db, csvPath);
    const QList<PackedRow> rows = chosenRows(plan, ImportChoice::AllRows);
    const qint64 problemsFound =
        std::accumulate(plan.rows.cbegin(), plan.rows.cend(), qint64(0),
                        [](qint64 sum, const ImportRow& row) { return sum + row.findings.size(); });
    const qint64 rowsPlanned = plan.rows.size();
    plan = ImportPlan();
    ImportPlan updating;
    // The file's rows are the database's own records: every original one is planned as an update
    // of its record, read from the database, with its changes.
    report("import dry run, every row matching a stored record", records,
           measure(
               repeat, [&] { updating = ImportPlan(); },
               [&] { updating = dryRun(db, csvPath, DryRunOptions{}); }),
           -1);
    bench::say(QStringLiteral("updates planned: %1").arg(changeCounts(updating)));
    updating = ImportPlan();
    const QString identical =
        writeIdenticalRows(csvPath, folder.filePath("identical.csv"), records);
    ImportPlan repeated;
    report("import dry run, one identity number on every row", records,
           measure(
               repeat, [&] { repeated = ImportPlan(); }, [&] { repeated = dryRun(db, identical); }),
           -1);
    bench::say(QStringLiteral("%1 of %2 identical rows have a finding")
                   .arg(repeated.rowsWithProblems())
                   .arg(repeated.rows.size()));
    repeated = ImportPlan();
    // The import writes into a database of its own and reads nothing of the source, whose
    // connection would otherwise keep its page cache through it.
    db.close();
    std::optional<Database> target;
    int attempt = 0;
    const auto freshTarget = [&] {
        target.reset();
        const QString where = folder.filePath(QStringLiteral("target%1").arg(++attempt));
        QDir().mkpath(where);
        generator::makeWorkingDatabase(where, 0, 17);
        target = Database::open(databasePath(where, DatabaseFile::Working),
                                OpenOptions{schema::defaultPassword});
    };
    report("import", records, measure(repeat, freshTarget, [&] { importRecords(*target, rows); }),
           -1);
    bench::say(QStringLiteral("%1 problems found (%2 in the dry run); %3 of %4 rows imported")
                   .arg(problems)
                   .arg(problemsFound)
                   .arg(rows.size())
                   .arg(rowsPlanned));
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("return_bench"));
    if (argc == 4 && qstrcmp(argv[1], writeWorkbookVerb) == 0) {
        try {
            writeWorkbook(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
            return 0;
        } catch (const std::exception& error) {
            bench::complain(QString::fromLocal8Bit(error.what()));
            return 1;
        }
    }
    const std::optional<bench::Sizes> sizes = bench::readSizes(app);
    if (!sizes)
        return 2;
    QTemporaryDir folder;
    try {
        run(QDir(folder.path()), sizes->records, sizes->repeat, sizes->quick);
    } catch (const std::exception& error) {
        bench::complain(QString::fromLocal8Bit(error.what()));
        return 1;
    }
    return 0;
}
