#include "gui/startup/startup_screen.h"

#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "core/platform/services.h"
#include "gui/common/message_boxes.h"
#include "gui/startup/backup_prompt.h"
#include "gui/startup/conversion_messages.h"
#include "gui/widgets/widgets.h"
#include "store/common/schema.h"
#include "store/startup/backup_guard.h"
#include "store/startup/backups.h"
#include "store/startup/conversion.h"
#include "store/startup/run_state.h"
#include "store/startup/startup.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QObject>
#include <QProgressBar>
#include <QScopeGuard>
#include <QVBoxLayout>

StartupScreen::StartupScreen(RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fConvert"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QObject::tr("Converting Database"));
    m_messageLabel = widgets::named(
        new QLabel(QObject::tr("The program is now converting the database.  Please Wait !"), this),
        "Label1");
    m_progressBar = widgets::named(new QProgressBar(this), "ProgressBar1");
    m_progressBar->setAccessibleName(QObject::tr("Conversion progress"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_messageLabel);
    layout->addWidget(m_progressBar);
}

void StartupScreen::load() {
    m_progressBar->hide();
    std::optional<StartupPath> path;
    if (!runReportingErrors([&] {
            path = prepareWorkingDatabase(m_state.programFolder);
            if (path == StartupPath::RecordsElsewhere)
                path = createOnlyIfTheUserAgrees();
        })) {
        platform::endRun(1);
        return;
    }
    if (!path) {
        platform::endRun(0);
        return;
    }
    if (path == StartupPath::ConversionFinished) {
        showInformation(conversionmessages::interruptedConversionFinished());
        showInformation(conversionmessages::conversionDone({}));
    }
    if (path == StartupPath::NeedsConversion && !convertOldDatabase())
        return;
    m_state.madeWorkingDatabase =
        path == StartupPath::Created || path == StartupPath::NeedsConversion;
    close();
    emit loginRequired(path != StartupPath::PasswordProtected);
}

// The records may lie in the files a conversion left: a new, empty database is made only when
// the user has been told what lies there and still wants one. Nothing when the answer is No.
std::optional<StartupPath> StartupScreen::createOnlyIfTheUserAgrees() {
    const QString folder = m_state.programFolder;
    if (!confirm(conversionmessages::recordsElsewhereQuestion(folder, conversionFilesIn(folder))))
        return std::nullopt;
    createWorkingDatabase(folder);
    return StartupPath::Created;
}

// False when the run ends instead: declined, the kept old file in the way, or a failure.
bool StartupScreen::convertOldDatabase() {
    const QString folder = m_state.programFolder;
    if (!confirm(QObject::tr("Your original database will be converted to a new database. "
                             "(Please refer to Appendix E of the Operation Guide.)\n\n"
                             "Do you want to proceed with the conversion?"))) {
        platform::endRun(0);
        return false;
    }
    if (files::exists(folder, schema::keptOldFile)) {
        showError(QObject::tr("A file named '1999a.xwd' is found in the working directory (") +
                  QDir::toNativeSeparators(folder) +
                  QObject::tr("), please move it to other directory and start the program "
                              "again!"));
        platform::endRun(1);
        return false;
    }
    show();
    QCoreApplication::processEvents();
    if (!backUpOldDatabase()) {
        platform::endRun(1);
        return false;
    }
    const std::optional<ConversionResult> converted = runConversion();
    if (!converted) {
        platform::endRun(1);
        return false;
    }
    showInformation(conversionmessages::conversionDone(converted->cut));
    return true;
}

// The old file has no password, so neither has its copy.
bool StartupScreen::backUpOldDatabase() {
    try {
        Database old = Database::open(databasePath(m_state.programFolder, DatabaseFile::Working),
                                      OpenOptions{std::nullopt, true, false});
        return goOnAfterBackup(backUpBeforeOperation(old, m_state.programFolder, QString(),
                                                     backups::reason::conversion));
    } catch (const EngineError& error) {
        showError(error.description() + u' ' + QString::number(error.number()));
        return false;
    }
}

// An old value our column refuses stops the conversion with the old file unchanged; when it is
// a free text that is only too long, the user may have such texts cut and the conversion is run
// again. Nothing when the conversion did not finish.
std::optional<ConversionResult> StartupScreen::runConversion() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    ConversionOptions options;
    for (;;) {
        try {
            const ConversionResult result = convertDatabase(
                m_state.programFolder,
                [this](qint64 done, qint64 total) { showProgress(done, total); }, options);
            m_progressBar->setValue(m_progressBar->maximum());
            m_progressBar->hide();
            return result;
        } catch (const ValueRefused& refused) {
            const bool offerCut = refused.mayBeCut() && !options.cutTooLongTexts;
            const QString text = conversionmessages::valueRefused(refused, offerCut);
            if (!offerCut)
                showError(text);
            if (!offerCut || !confirm(text))
                return std::nullopt;
            options.cutTooLongTexts = true;
        } catch (const EngineError& error) {
            showError(error.description() + u' ' + QString::number(error.number()));
            return std::nullopt;
        }
    }
}

void StartupScreen::showProgress(qint64 done, qint64 total) {
    m_progressBar->setMaximum(static_cast<int>(std::min<qint64>(total, INT_MAX)));
    if (m_progressBar->isHidden())
        m_progressBar->show();
    if (total > done)
        m_progressBar->setValue(static_cast<int>(done));
    QCoreApplication::processEvents();
}
