// Measures the save to the medium on N generated original records, driven through the record
// editor and the save screen as a user would: from OK to the control list's first page in the
// preview (the text image, the log, both verified copies onto a folder of other media, as a
// return this size needs, and the list), and from the answer Yes
// to the same page (the sort and the build included). The floor is what the outside tools need
// for the same work in the same run: the sqlcipher client's copy and compaction plus md5sum of
// the image, plus cp of both files to the medium.
#include "client_floor.h"
#include "command_line.h"
#include "open_preview.h"
#include "process_memory.h"
#include "record_generator.h"
#include "unattended_services.h"

#include "core/platform/allocator.h"
#include "core/submission/log_record.h"
#include "gui/records/record_editor.h"
#include "gui/submission/save_screen.h"
#include "store/common/schema.h"
#include "store/employer/employer_table.h"
#include "store/startup/run_state.h"
#include "store/submission/return_image_file.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

struct Timings {
    std::vector<qint64> fromOk;
    std::vector<qint64> fromYes;
};

// One save onto an empty folder of other media; false when it did not reach the control list.
bool saveOnce(RecordEditor& editor, const QString& target, bench::OpenPreview& printing,
              Timings& timings) {
    QElapsedTimer clock;
    qint64 okAt = -1;
    qint64 shownAt = -1;
    printing.shown = [&] { shownAt = clock.nsecsElapsed(); };
    clock.start();
    editor.findChild<QPushButton*>(QStringLiteral("cSaveFloppy"))->click();
    auto* screen = editor.findChild<SaveScreen*>(QStringLiteral("fSave"));
    if (!screen)
        return false;
    // A return of this size needs other media than a diskette: the name is changed to them.
    screen->findChild<QLineEdit*>(QStringLiteral("tFileName"))->setText(target);
    okAt = clock.nsecsElapsed();
    screen->findChild<QPushButton*>(QStringLiteral("cOK"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    printing.window.reset();
    printing.report.reset();
    if (shownAt < 0)
        return false;
    timings.fromOk.push_back(shownAt - okAt);
    timings.fromYes.push_back(shownAt);
    return true;
}

qint64 floorOnce(const QString& folder, const QString& image, const QString& submission,
                 const QString& medium) {
    const QString log = QFileInfo(submission).dir().filePath(logFileName);
    return bench::submissionFloor(folder, image, generator::defaultReturnYear) +
           bench::runTool({QStringLiteral("cp"), submission, log, medium}, QByteArray());
}

void printFigures(const QString& folder, const QString& submission, qint64 count,
                  const Timings& timings, qint64 peak) {
    const QString image = QDir(folder).filePath(QStringLiteral("_floor.txt"));
    writeReturnImage(submission, image);
    QTemporaryDir copies;
    std::vector<qint64> floors;
    for (std::size_t run = 0; run < timings.fromOk.size(); ++run)
        floors.push_back(floorOnce(folder, image, submission, copies.path()));
    const qint64 floor = bench::median(floors);
    const qint64 fromOk = bench::median(timings.fromOk);
    const qint64 fromYes = bench::median(timings.fromYes);
    bench::say(QStringLiteral("%1 records, submission %2 bytes")
                   .arg(count)
                   .arg(QFileInfo(submission).size()));
    bench::say(QStringLiteral("OK to the control list's first page: %1; Yes to it: %2 (medians)")
                   .arg(bench::milliseconds(fromOk), bench::milliseconds(fromYes)));
    bench::say(QStringLiteral("floor (sqlcipher copy and vacuum, md5sum, cp of both files): %1; "
                              "ratio from OK %2, from Yes %3 (at most 2)")
                   .arg(bench::milliseconds(floor))
                   .arg(double(fromOk) / double(floor), 0, 'f', 2)
                   .arg(double(fromYes) / double(floor), 0, 'f', 2));
    bench::say(QStringLiteral("peak resident memory of the saves: %1 MB")
                   .arg(peak / (1024.0 * 1024.0), 0, 'f', 1));
    bench::result(QStringLiteral("save to medium"), count, fromOk, floor, peak);
    bench::result(QStringLiteral("save to medium, sort and build included"), count, fromYes, floor,
                  peak);
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("save_bench"));
    const std::optional<bench::Sizes> chosen = bench::readSizes(app);
    if (!chosen)
        return 2;
    const qint64 count = chosen->records;
    const qint64 repeat = chosen->repeat;
    bench::Unattended services;
    platform::setServices(&services);
    bench::OpenPreview printing;
    platform::setPrinting(&printing);
    QTemporaryDir folder;
    QTemporaryDir medium;
    bench::say(QStringLiteral("generating %1 original records...").arg(count));
    generator::makeWorkingDatabase(folder.path(), static_cast<int>(count), 1);

    RunState state;
    state.programFolder = folder.path();
    state.requestedMedium = medium.path();
    state.imagePath = folder.filePath(QStringLiteral("_a.txt"));
    state.login = Database::open(databasePath(folder.path(), DatabaseFile::Working),
                                 OpenOptions{schema::defaultPassword, true, false});
    state.db().exec(QStringLiteral("update employee set Status = 'O' where Status <> 'H'"));
    const EmployerData employer = employertable::readEmployer(state.db()).data;
    QTemporaryDir otherMedia;
    const QString target = QDir(otherMedia.path()).filePath(employer.fileNumber + ".MDB");
    auto editor = std::make_unique<RecordEditor>(state);
    editor->setEmployer(employer);
    editor->load();
    memory::resetPeakResident();

    Timings timings;
    for (qint64 run = 0; run < repeat; ++run) {
        for (const QString& name : QDir(otherMedia.path()).entryList(QDir::Files))
            QFile::remove(otherMedia.filePath(name));
        if (!saveOnce(*editor, target, printing, timings)) {
            bench::complain(QStringLiteral("the save did not reach the control list: ") +
                            services.lastText);
            return 1;
        }
    }
    const qint64 peak = memory::peakResidentKiB() * 1024;
    editor.reset();
    state.login.reset(); // the client opens the working database itself
    printFigures(folder.path(), target, count, timings, peak);
    return 0;
}
