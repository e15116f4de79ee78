// Measures what the user waits for from start-up to the record editor's commands on a large
// database: start-up to the employer screen, opening the editor, the next record, the name list,
// Update (a surname change that moves the record), a new record, Delete and Sort, each the median
// of --repeat runs, with the engine client's time for the same work where there is one, and the
// peak resident memory. Runs on the offscreen platform unless another one is asked for.
#include "editor_fixture.h"
#include "process_memory.h"

#include "core/platform/allocator.h"
#include "gui/records/name_search_window.h"
#include "gui/records/navigator.h"
#include "gui/startup/shell.h"
#include "gui/widgets/field_edit.h"
#include "store/common/schema.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QToolButton>

namespace {

using bench::ScreenBench;

// The sort's floor: the client walks the records in name order into a numbering and writes the
// numbers that differ, in one transaction.
const QString clientNumbering =
    QStringLiteral("PRAGMA cache_size=-%1;\nBEGIN;\n"
                   "CREATE TEMP TABLE walk(n INTEGER PRIMARY KEY, r INTEGER);\n"
                   "INSERT INTO walk(r) SELECT rowid FROM employee WHERE Status = 'O' "
                   "ORDER BY Surname COLLATE NOCASE, FirstName COLLATE NOCASE, rowid;\n"
                   "CREATE TEMP TABLE numbers(r INTEGER PRIMARY KEY, n TEXT);\n"
                   "INSERT INTO numbers SELECT w.r, CAST(w.n AS TEXT) FROM walk w JOIN employee e "
                   "ON e.rowid = w.r WHERE e.SheetNo IS NOT CAST(w.n AS TEXT);\n"
                   "UPDATE employee SET SheetNo = (SELECT n FROM numbers WHERE r = employee.rowid) "
                   "WHERE rowid IN (SELECT r FROM numbers);\nCOMMIT;");

QString workingPath(const ScreenBench& bench) {
    return databasePath(bench.folder.path(), DatabaseFile::Working);
}

QPushButton* command(RecordEditor& editor, const char* name) {
    return editor.findChild<QPushButton*>(QLatin1String(name));
}

// Runs step repeat times and returns the median of the times of timed().
qint64 medianOf(int repeat, const std::function<qint64()>& timed) {
    std::vector<qint64> samples;
    for (int i = 0; i < repeat; ++i)
        samples.push_back(timed());
    return bench::median(samples);
}

void report(const ScreenBench& bench, const QString& name, qint64 medianNs, qint64 floorNs = -1) {
    bench::say(QStringLiteral("%1: %2").arg(name, bench::milliseconds(medianNs)));
    bench::result(name, bench.sizes.records, medianNs, floorNs, bench::peakBytes());
}

// Start-up, login with the password typed at once, up to the employer screen on screen.
qint64 startupOnce(ScreenBench& bench) {
    QElapsedTimer timer;
    timer.start();
    auto shell = std::make_unique<Shell>(bench.state);
    shell->start();
    QWidget* login = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("fLogin") && window->isVisible())
            login = window;
    if (!login)
        throw std::runtime_error("the login screen did not appear");
    login->findChild<QLineEdit*>(QStringLiteral("txtLogin"))->setText(schema::defaultPassword);
    login->findChild<QPushButton*>(QStringLiteral("cmdLoginOk"))->click();
    QWidget* employer = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("fSubInfo") && window->isVisible())
            employer = window;
    const qint64 elapsed = timer.nsecsElapsed();
    if (!employer)
        throw std::runtime_error("the employer screen did not appear");
    employer->close();
    shell.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    bench.state.login.reset();
    return elapsed;
}

void measureOpening(ScreenBench& bench) {
    const QString path = workingPath(bench);
    const QByteArray login = "PRAGMA key='qvz';\nselect count(*) from employer;\n"
                             "select max(rowid) from employee;\n";
    report(bench, QStringLiteral("start-up to the employer screen"),
           medianOf(bench.sizes.repeat, [&] { return startupOnce(bench); }),
           medianOf(bench.sizes.repeat, [&] {
               return bench::runTool({QStringLiteral("sqlcipher"), path}, login);
           }));
    const QByteArray list =
        login + "select ID from employee where Status <> 'H' order by ID desc limit 1;\n"
                "select rowid from employee where Status <> 'H' order by Surname collate nocase, "
                "FirstName collate nocase, rowid;\n";
    report(bench, QStringLiteral("editor open, login included"),
           medianOf(bench.sizes.repeat,
                    [&] {
                        QElapsedTimer timer;
                        timer.start();
                        auto editor = bench.openEditor();
                        QCoreApplication::processEvents();
                        const qint64 elapsed = timer.nsecsElapsed();
                        editor.reset();
                        bench.state.login.reset();
                        return elapsed;
                    }),
           medianOf(bench.sizes.repeat, [&] {
               return bench::runTool({QStringLiteral("sqlcipher"), path}, list);
           }));
}

qint64 timeClick(QAbstractButton* button) {
    QElapsedTimer timer;
    timer.start();
    button->click();
    return timer.nsecsElapsed();
}

void measureBrowsing(ScreenBench& bench, RecordEditor& editor) {
    auto* next = editor.findChild<Navigator*>(QStringLiteral("Data1"))
                     ->findChild<QToolButton*>(QStringLiteral("nextButton"));
    report(bench, QStringLiteral("next record"), medianOf(200, [&] { return timeClick(next); }));
    command(editor, "cNameSearch")->click();
    auto* nameSearch = editor.findChild<NameSearchWindow*>();
    report(bench, QStringLiteral("name list"), medianOf(bench.sizes.repeat, [&] {
               QElapsedTimer timer;
               timer.start();
               nameSearch->refresh();
               return timer.nsecsElapsed();
           }));
}

// With the name list open, as a user who searches by name has it.
void measureRecordCommands(ScreenBench& bench, RecordEditor& editor) {
    int round = 0;
    report(bench, QStringLiteral("Update, surname changed"), medianOf(bench.sizes.repeat, [&] {
               editor.field(QStringLiteral("Surname"))
                   ->setText(QStringLiteral("MOVED%1").arg(++round % 3));
               return timeClick(command(editor, "cUpdate"));
           }));
    const QStringList complete{
        "Surname=NEWCOMER", "FirstName=TAI MAN", "Sex=M",      "RAddress1=1 MAIN ST", "RAreaCode=H",
        "Capacity=CLERK",   "EDay1=01",          "EMonth1=04", "EYear1=1999",         "EDay2=31",
        "EMonth2=03",       "EYear2=2000",       "QFlag=0",    "OSeaFlag=0"};
    report(bench, QStringLiteral("new record"), medianOf(bench.sizes.repeat, [&] {
               command(editor, "cNew")->click();
               for (const QString& entry : complete)
                   editor.field(entry.section(u'=', 0, 0))->setText(entry.section(u'=', 1));
               return timeClick(command(editor, "cUpdate"));
           }));
    report(bench, QStringLiteral("Delete"),
           medianOf(bench.sizes.repeat, [&] { return timeClick(command(editor, "cDelete")); }));
}

// Each first sort starts from blank numbers, as after an import; the client works on a copy of
// the file in the same state.
void measureSort(ScreenBench& bench, RecordEditor& editor) {
    const QString copy = bench.folder.filePath(QStringLiteral("floor.mdb"));
    const QString numbering =
        clientNumbering.arg(pageCacheKiB(QFileInfo(workingPath(bench)).size()));
    std::vector<qint64> firstFloors;
    std::vector<qint64> againFloors;
    const auto floorOnCopy = [&](std::vector<qint64>& floors) {
        QFile::remove(copy);
        bench::runTool({QStringLiteral("cp"), workingPath(bench), copy}, {});
        floors.push_back(bench::clientWorkTime(copy, numbering));
    };
    std::vector<qint64> again;
    const qint64 first = medianOf(bench.sizes.repeat, [&] {
        bench.state.db().exec(QStringLiteral("UPDATE employee SET SheetNo = ' ' "
                                             "WHERE Status = 'O'"));
        floorOnCopy(firstFloors);
        const qint64 elapsed = timeClick(command(editor, "cSort"));
        floorOnCopy(againFloors);
        again.push_back(timeClick(command(editor, "cSort")));
        return elapsed;
    });
    report(bench, QStringLiteral("Sort, first"), first, bench::median(firstFloors));
    report(bench, QStringLiteral("Sort, again without changes"), bench::median(again),
           bench::median(againFloors));
}

int measure(ScreenBench& bench) {
    memory::resetPeakResident();
    measureOpening(bench);
    auto editor = bench.openEditor();
    measureBrowsing(bench, *editor);
    measureRecordCommands(bench, *editor);
    measureSort(bench, *editor);
    bench::say(QStringLiteral("peak resident memory: %1 MB")
                   .arg(bench::peakBytes() / (1024.0 * 1024.0), 0, 'f', 1));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    return bench::runScreenBench(argc, argv, "editor_bench", measure);
}
