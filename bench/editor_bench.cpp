// Measures the record editor on a large database: opening it up to the first record shown,
// moving to the next record, rebuilding the name list, and the resident memory while it runs.
// Runs on the offscreen platform unless another one is asked for.
#include "command_line.h"
#include "process_memory.h"
#include "record_generator.h"

#include "platform/field_edit.h"
#include "platform/services.h"
#include "records/name_search_link.h"
#include "records/name_search_window.h"
#include "records/navigator.h"
#include "records/record_editor.h"
#include "startup/run_state.h"
#include "store/schema.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>

namespace {

// Answers every box at once, so the measurement never waits for a person.
class Unattended : public platform::Services {
public:
    void beep() override {}
    bool showBox(platform::BoxKind, const QString&, const QString&) override { return true; }
    void endAtOnce(int) override {}
    QDateTime now() override { return QDateTime::currentDateTime(); }
    QString chooseSaveFile(const QString&, const QString& suggestedPath, const QString&) override {
        return suggestedPath;
    }
};

qint64 median(std::vector<qint64> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Next record, the name list, Update and Sort, each timed over a few runs.
void measureCommands(RecordEditor& editor) {
    const auto button = [&editor](const char* name) {
        return editor.findChild<QPushButton*>(QLatin1String(name));
    };
    QElapsedTimer timer;
    std::vector<qint64> moves;
    for (int i = 0; i < 200; ++i) {
        timer.restart();
        editor.findChild<Navigator*>(QStringLiteral("Data1"))->nextButton->click();
        moves.push_back(timer.nsecsElapsed());
    }
    bench::say(
        QStringLiteral("next record (median of 200): %1").arg(bench::milliseconds(median(moves))));

    std::vector<qint64> rebuilds;
    button("cNameSearch")->click();
    auto* nameSearch = editor.findChild<NameSearchWindow*>();
    for (int i = 0; i < 5; ++i) {
        timer.restart();
        nameSearch->refresh();
        rebuilds.push_back(timer.nsecsElapsed());
    }
    bench::say(QStringLiteral("name list rebuilt and expanded (median of 5): %1")
                   .arg(bench::milliseconds(median(rebuilds))));
    std::vector<qint64> updates;
    for (int i = 0; i < 5; ++i) {
        editor.field(QStringLiteral("CAddress"))->setText(QStringLiteral("FLAT %1").arg(i));
        timer.restart();
        button("cUpdate")->click();
        updates.push_back(timer.nsecsElapsed());
    }
    bench::say(QStringLiteral("update of one record with refresh and name list (median of 5): %1")
                   .arg(bench::milliseconds(median(updates))));

    std::vector<qint64> sorts;
    for (int i = 0; i < 3; ++i) {
        timer.restart();
        button("cSort")->click();
        sorts.push_back(timer.nsecsElapsed());
    }
    bench::say(QStringLiteral("sort of all records: first %1, again without changes %2")
                   .arg(bench::milliseconds(sorts.front()), bench::milliseconds(sorts.back())));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption records(QStringLiteral("records"), QStringLiteral("Records."),
                                     QStringLiteral("N"), QStringLiteral("50000"));
    parser.addOption(records);
    parser.addHelpOption();
    parser.process(app);
    const auto count = bench::wholeNumber(parser, records, 1, 1000000);
    if (!count)
        return 2;

    Unattended services;
    platform::setServices(&services);
    QTemporaryDir folder;
    bench::say(QStringLiteral("generating %1 records...").arg(*count));
    generator::makeWorkingDatabase(folder.path(), static_cast<int>(*count), 1);
    memory::resetPeakResident();

    RunState state;
    state.programFolder = folder.path();
    QElapsedTimer timer;
    timer.start();
    state.login =
        Database::open(databasePath(folder.path(), DatabaseFile::Working),
                       OpenOptions{.password = schema::defaultPassword, .exclusive = true});
    RecordEditor editor(state);
    EmployerData employer;
    employer.returnYear = QStringLiteral("2000");
    editor.setEmployer(employer);
    linkNameSearch(editor);
    editor.load();
    measureCommands(editor);
    bench::say(QStringLiteral("peak resident memory while editing: %1 MB")
                   .arg(memory::peakResidentKiB() / 1024.0, 0, 'f', 1));
    return 0;
}
