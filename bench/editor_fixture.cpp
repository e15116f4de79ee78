#include "editor_fixture.h"

#include "record_generator.h"

#include "gui/records/name_search_link.h"
#include "store/common/schema.h"

#include <QApplication>
#include <stdexcept>

namespace bench {

void ScreenBench::openLogin() {
    state.login.reset();
    state.login =
        Database::open(databasePath(folder.path(), DatabaseFile::Working),
                       OpenOptions{.password = schema::defaultPassword, .exclusive = true});
}

std::unique_ptr<RecordEditor> ScreenBench::openEditor() {
    openLogin();
    auto editor = std::make_unique<RecordEditor>(state);
    EmployerData employer;
    employer.returnYear = QStringLiteral("2000");
    editor->setEmployer(employer);
    linkNameSearch(*editor);
    editor->load();
    return editor;
}

int runScreenBench(int argc, char* argv[], const char* name,
                   const std::function<int(ScreenBench&)>& measure) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(name));
    const std::optional<Sizes> sizes = readSizes(app);
    if (!sizes)
        return 2;
    ScreenBench bench;
    bench.sizes = *sizes;
    platform::setServices(&bench.services);
    bench.state.programFolder = bench.folder.path();
    say(QStringLiteral("generating %1 records...").arg(sizes->records));
    try {
        generator::makeWorkingDatabase(bench.folder.path(), sizes->records, 1);
        return measure(bench);
    } catch (const EngineError& error) {
        complain(QStringLiteral("%1 (error %2)").arg(error.description()).arg(error.number()));
    } catch (const std::exception& error) {
        complain(QString::fromUtf8(error.what()));
    }
    return 1;
}

} // namespace bench
