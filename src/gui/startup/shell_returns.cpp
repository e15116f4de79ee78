// The shell's way between the returns of the workspace: the list, a new return, next year's
// return and the switch from one return to another.
#include "gui/startup/shell.h"

#include "core/platform/services.h"
#include "core/platform/settings.h"
#include "core/returns/workspace_rules.h"
#include "core/startup/paths.h"
#include "gui/common/message_boxes.h"
#include "gui/records/record_editor.h"
#include "gui/returns/returns_window.h"
#include "store/employer/employer_table.h"
#include "store/returns/next_year.h"
#include "store/returns/return_list.h"
#include "store/returns/summary_file.h"
#include "store/startup/run_state.h"

#include <QApplication>
#include <QDir>
#include <QObject>
#include <QProgressDialog>
#include <QTimer>

namespace {

constexpr int recentCount = 6;

} // namespace

// The folder opened last comes first in the editor's File menu and is chosen in the list.
void Shell::rememberOpened(const QString& folder) {
    platform::Settings& settings = platform::settings();
    settings.setValue(ReturnsWindow::lastOpenedKey(), folder);
    QStringList recent = settings.value(RecordEditor::recentReturnsKey()).toStringList();
    recent.removeAll(folder);
    recent.prepend(folder);
    settings.setValue(RecordEditor::recentReturnsKey(), recent.mid(0, recentCount));
}

namespace {

QString endedQuestion(const QList<nextyear::EndedEmployee>& ended, const QString& year) {
    QStringList names;
    for (const nextyear::EndedEmployee& employee : ended)
        names << employee.name;
    return QObject::tr("The employment of these employees ended before the year %1 begins:\n\n"
                       "%2\n\nCarry them over to next year's return?")
        .arg(year, names.join(u'\n'));
}

} // namespace

void Shell::showReturns() {
    const QString openHere = m_state.login ? m_state.programFolder : QString();
    auto* window = new ReturnsWindow(m_workspaceFolder, m_userProgramFolder, openHere, m_editor);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    // The choice is carried out once the list has closed, since it may close the editor the
    // list stands over; the program must not end in between for want of a window.
    const auto later = [this](const std::function<void()>& work) {
        holdRun();
        QTimer::singleShot(0, this, work);
    };
    connect(window, &ReturnsWindow::openChosen, this, [this, later](const QString& folder) {
        later([this, folder] { openReturn(folder); });
    });
    connect(window, &ReturnsWindow::newReturnChosen, this,
            [this, later] { later([this] { newReturn(); }); });
    connect(window, &ReturnsWindow::nextYearChosen, this, [this, later](const QString& folder) {
        later([this, folder] { nextYearFrom(folder); });
    });
    window->show();
}

void Shell::nameReturnIn(QWidget* window) const {
    const returnfiles::SummaryRead read = returnfiles::readSummary(m_state.programFolder);
    if (read.summary)
        window->setWindowTitle(window->windowTitle() +
                               returnCaption(read.summary->employerName, read.summary->returnYear));
}

void Shell::openReturn(const QString& folder) {
    if (m_state.login && QDir(folder) == QDir(m_state.programFolder)) {
        releaseRun();
        return;
    }
    if (!endCurrentRun()) {
        releaseRun();
        return;
    }
    switchTo(folder);
}

void Shell::newReturn() {
    const QString name = askReturnName(workspace::proposedName({}, {}, takenNames()));
    QString folder;
    if (!name.isEmpty() && endCurrentRun())
        runReportingErrors([&] {
            folder = returnfiles::makeReturnFolder({m_workspaceFolder, m_userProgramFolder}, name);
        });
    if (folder.isEmpty()) {
        releaseRun();
        return;
    }
    switchTo(folder);
}

void Shell::nextYearFrom(const QString& folder) {
    m_nextYearAfterLogin = true;
    openReturn(folder);
}

QString Shell::askReturnName(const QString& proposed) {
    QString name = proposed;
    for (;;) {
        name = platform::services().askText(tr("New return"),
                                            tr("Name of the return's folder in %1:")
                                                .arg(QDir::toNativeSeparators(m_workspaceFolder)),
                                            name);
        if (name.isEmpty())
            return QString();
        const std::optional<QString> refusal = workspace::nameRefusal(name, takenNames());
        if (!refusal)
            return name;
        showError(*refusal);
    }
}

QStringList Shell::takenNames() const {
    QStringList names;
    const QString openHere = m_state.login ? m_state.programFolder : QString();
    for (const returnfiles::ListedReturn& listed :
         returnfiles::listReturns({m_workspaceFolder, m_userProgramFolder}, openHere))
        names << listed.name;
    // A folder that is no return yet is taken all the same.
    names << QDir(m_workspaceFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return names;
}

void Shell::makeNextYear() {
    if (!m_state.login)
        return;
    const EmployerData employer = employertable::readEmployer(m_state.db()).data;
    const QString year = workspace::nextYear(employer.returnYear);
    if (year.isEmpty()) {
        showError(tr("The return year '%1' is not a year; enter it on the employer's screen "
                     "first.")
                      .arg(employer.returnYear));
        return;
    }
    const QList<nextyear::EndedEmployee> ended = nextyear::endedEmployees(m_state.db());
    int carry = 0;
    if (!ended.isEmpty())
        carry = platform::services().chooseOne(tr("Next year's return"), endedQuestion(ended, year),
                                               {tr("Leave them out"), tr("Carry them over")});
    const QString name =
        carry < 0 ? QString()
                  : askReturnName(workspace::proposedName(employer.name, year, takenNames()));
    if (name.isEmpty())
        return;
    const QString folder = QDir(m_workspaceFolder).filePath(name);
    QProgressDialog progress(tr("Making next year's return..."), QString(), 0, 1000, m_editor);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    nextyear::Result made;
    const bool done = runReportingErrors([&] {
        QDir().mkpath(m_workspaceFolder);
        made = nextyear::makeNextYearReturn(
            m_state.db(), {folder, m_state.loginPassword, carry == 1},
            [&progress](qint64 written, qint64 total) {
                progress.setValue(total > 0 ? int(written * 1000 / total) : 1000);
                QApplication::processEvents();
            });
    });
    progress.close();
    if (done && confirm(tr("Next year's return '%1' (%2) has been made with %n record(s). Open it "
                           "now?",
                           nullptr, int(made.records))
                            .arg(name, made.returnYear))) {
        holdRun();
        openReturn(folder);
    }
}

bool Shell::endCurrentRun() {
    // The editor's close asks about unsaved typing, as closing its window does, and writes the
    // summary; the employer screen goes with it.
    if (m_editor && !m_editor->close())
        return false;
    if (m_employer) {
        m_employer->hide();
        m_employer->deleteLater();
    }
    recordSummary();
    if (m_state.login)
        runReportingErrors([this] { deleteTempFiles(m_state.programFolder); });
    m_state.login.reset();
    m_state.loginPassword.clear();
    m_state.madeWorkingDatabase = false;
    m_state.imagePath.clear();
    return true;
}

void Shell::switchTo(const QString& folder) {
    m_state.programFolder = folder;
    start();
}

void Shell::holdRun() {
    QApplication::setQuitOnLastWindowClosed(false);
}

// A choice of the list that came to nothing (a new return's name cancelled, a return that could
// not be opened) leads back to the list rather than out of the program.
void Shell::releaseRun() {
    QApplication::setQuitOnLastWindowClosed(true);
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return;
    showReturns();
}

void Shell::recordSummary() {
    if (m_state.login && m_state.login->handle())
        runReportingErrors(
            [this] { returnfiles::recordSummary(m_state.db(), m_state.programFolder); });
}
