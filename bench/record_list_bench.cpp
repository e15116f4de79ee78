// Measures the record list beside the editor and the name search on a large database: the list's
// opening (made, counted, drawn), each step of scrolling it from top to bottom a page at a time,
// the filter as a user types into it, and the memory the list and the name search add to the
// open editor. Runs on the offscreen platform unless another one is asked for.
#include "editor_fixture.h"
#include "process_memory.h"

#include "core/platform/allocator.h"
#include "gui/records/name_search_window.h"
#include "gui/records/record_list_link.h"
#include "gui/records/record_list_model.h"
#include "gui/records/record_list_panel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <sqlite3.h>

namespace {

using bench::ScreenBench;

double megabytes(long long kib) {
    return kib / 1024.0;
}

void report(const ScreenBench& bench, const QString& name, qint64 medianNs) {
    bench::say(QStringLiteral("%1: %2").arg(name, bench::milliseconds(medianNs)));
    bench::result(name, bench.sizes.records, medianNs, -1, bench::peakBytes());
}

// Every pending event handled and the list's visible lines drawn, as the screen would show them.
void drawNow(QWidget* widget) {
    QCoreApplication::processEvents();
    widget->repaint();
}

qint64 openList(RecordEditor& editor) {
    QElapsedTimer timer;
    timer.start();
    linkRecordList(editor);
    drawNow(editor.findChild<RecordListPanel*>()->findChild<QTableView*>());
    return timer.nsecsElapsed();
}

// One page down at a time, as the Page Down key or the scroll bar's trough does.
std::vector<qint64> scrollToBottom(QTableView* table) {
    QScrollBar* bar = table->verticalScrollBar();
    bar->setValue(0);
    drawNow(table->viewport());
    std::vector<qint64> steps;
    while (bar->value() < bar->maximum()) {
        QElapsedTimer timer;
        timer.start();
        bar->setValue(bar->value() + bar->pageStep());
        table->viewport()->repaint();
        steps.push_back(timer.nsecsElapsed());
    }
    return steps;
}

// A surname typed a letter at a time, then a whole identity number of a record in the middle.
std::vector<qint64> typeIntoFilter(QTableView* table, QLineEdit* filter) {
    const auto& model = static_cast<const RecordListModel&>(*table->model());
    const int middle = model.rowCount() / 2;
    const QString identity = model.index(middle, RecordListModel::Identity).data().toString();
    const QString surname = model.index(middle, RecordListModel::Surname).data().toString();
    std::vector<qint64> times;
    for (const QString& typed : {surname.left(1), surname.left(2), surname.left(3), identity}) {
        QElapsedTimer timer;
        timer.start();
        filter->setText(typed);
        table->viewport()->repaint();
        times.push_back(timer.nsecsElapsed());
    }
    filter->clear();
    return times;
}

// The engine's page cache on the login connection: every page any command reads stays there up
// to the connection's limit, so it grows as the list reads lines, as it would with browsing.
double pageCacheMegabytes(ScreenBench& bench) {
    int used = 0;
    int highest = 0;
    sqlite3_db_status(bench.state.db().handle(), SQLITE_DBSTATUS_CACHE_USED, &used, &highest, 0);
    return used / (1024.0 * 1024.0);
}

void measureList(ScreenBench& bench, RecordEditor& editor) {
    const double cacheBefore = pageCacheMegabytes(bench);
    const long long before = memory::currentResidentKiB();
    memory::resetPeakResident();
    report(bench, QStringLiteral("record list open"), openList(editor));
    bench::say(QStringLiteral("record list memory once open: %1 MB added")
                   .arg(megabytes(memory::currentResidentKiB() - before), 0, 'f', 1));
    auto* panel = editor.findChild<RecordListPanel*>();
    auto* table = panel->findChild<QTableView*>();
    const std::vector<qint64> steps = scrollToBottom(table);
    report(bench, QStringLiteral("record list scroll, page step"), bench::median(steps));
    const auto slow =
        std::count_if(steps.begin(), steps.end(), [](qint64 step) { return step > 16'000'000; });
    bench::say(QStringLiteral("record list scroll: %1 steps, slowest %2, %3 over 16 ms")
                   .arg(steps.size())
                   .arg(bench::milliseconds(*std::max_element(steps.begin(), steps.end())))
                   .arg(slow));
    const std::vector<qint64> typed = typeIntoFilter(table, panel->findChild<QLineEdit*>());
    report(bench, QStringLiteral("record list filter, a key typed"), bench::median(typed));
    bench::say(QStringLiteral("record list filter: slowest key %1")
                   .arg(bench::milliseconds(*std::max_element(typed.begin(), typed.end()))));
    bench::say(QStringLiteral("record list memory after scrolling and filtering: %1 MB added, "
                              "%2 MB at the peak")
                   .arg(megabytes(memory::currentResidentKiB() - before), 0, 'f', 1)
                   .arg(megabytes(memory::peakResidentKiB() - before), 0, 'f', 1));
    bench::say(QStringLiteral("of which the engine's page cache grew by %1 MB")
                   .arg(pageCacheMegabytes(bench) - cacheBefore, 0, 'f', 1));
}

void measureNameSearch(ScreenBench& bench, RecordEditor& editor) {
    const long long before = memory::currentResidentKiB();
    memory::resetPeakResident();
    QElapsedTimer timer;
    timer.start();
    editor.findChild<QPushButton*>(QStringLiteral("cNameSearch"))->click();
    auto* nameSearch = editor.findChild<NameSearchWindow*>();
    nameSearch->refresh();
    drawNow(nameSearch);
    report(bench, QStringLiteral("name search open"), timer.nsecsElapsed());
    bench::say(QStringLiteral("name search memory: %1 MB added, %2 MB at the peak")
                   .arg(megabytes(memory::currentResidentKiB() - before), 0, 'f', 1)
                   .arg(megabytes(memory::peakResidentKiB() - before), 0, 'f', 1));
}

int measure(ScreenBench& bench) {
    auto editor = bench.openEditor();
    editor->resize(1200, 700);
    QCoreApplication::processEvents();
    measureList(bench, *editor);
    measureNameSearch(bench, *editor);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    return bench::runScreenBench(argc, argv, "record_list_bench", measure);
}
