#include "startup/startup_screen.h"

#include "common/engine_error.h"
#include "common/message_boxes.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "startup/run_state.h"
#include "startup/startup.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

StartupScreen::StartupScreen(RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fConvert"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QStringLiteral("Converting Database"));
    messageLabel = widgets::named(
        new QLabel(QStringLiteral("The program is now converting the database.  Please Wait !"),
                   this),
        "Label1");
    progressBar = widgets::named(new QProgressBar(this), "ProgressBar1");
    progressBar->setAccessibleName(QStringLiteral("Conversion progress"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(messageLabel);
    layout->addWidget(progressBar);
}

void StartupScreen::load() {
    progressBar->hide();
    StartupPath path;
    try {
        path = prepareWorkingDatabase(m_state.programFolder);
    } catch (const EngineError& error) {
        showError(error.description());
        platform::endRun(1);
        return;
    }
    if (path == StartupPath::NeedsConversion) {
        // Converting older databases is not available yet; the old file is left as it is.
        showError(QStringLiteral("The working database xw73d.mdb was written by an earlier "
                                 "version of the program and must be converted before use. "
                                 "This version cannot convert it yet; the file has not been "
                                 "changed."));
        platform::endRun(1);
        return;
    }
    close();
    emit loginRequired(path != StartupPath::PasswordProtected);
}
