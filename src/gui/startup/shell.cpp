#include "gui/startup/shell.h"

#include "core/platform/services.h"
#include "gui/employer/employer_screen.h"
#include "gui/records/name_search_link.h"
#include "gui/records/record_editor.h"
#include "gui/records/record_list_link.h"
#include "gui/startup/backup_prompt.h"
#include "gui/startup/login_dialog.h"
#include "gui/startup/password_change_dialog.h"
#include "gui/startup/startup_screen.h"
#include "store/records/working_indexes.h"
#include "store/startup/backup_guard.h"
#include "store/startup/run_state.h"

#include "gui/common/message_boxes.h"

Shell::Shell(RunState& state, QString workspaceFolder, QString userProgramFolder, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_workspaceFolder(std::move(workspaceFolder))
    , m_userProgramFolder(std::move(userProgramFolder)) {
    platform::setRunEnd([this] {
        recordSummary();
        if (m_state.login)
            m_state.login->close();
    });
}

Shell::~Shell() {
    platform::setRunEnd({});
}

void Shell::start() {
    rememberOpened(m_state.programFolder);
    auto* convert = new StartupScreen(m_state);
    convert->setAttribute(Qt::WA_DeleteOnClose);
    connect(convert, &StartupScreen::loginRequired, this, &Shell::showLogin);
    convert->load();
}

void Shell::showLogin(bool withDefaultPassword) {
    auto* login = new LoginDialog(m_state);
    nameReturnIn(login);
    connect(login, &LoginDialog::loggedIn, this, &Shell::showEmployerScreen);
    connect(login, &LoginDialog::changePasswordRequested, this, &Shell::showPasswordChange);
    login->show();
    releaseRun();
    if (withDefaultPassword)
        login->logInWithDefaultPassword();
}

void Shell::showPasswordChange() {
    auto* change = new PasswordChangeDialog(m_state);
    connect(change, &PasswordChangeDialog::declined, this, [this] { showLogin(false); });
    connect(change, &PasswordChangeDialog::passwordChanged, this, &Shell::showEmployerScreen);
    change->show();
}

void Shell::showEmployerScreen() {
    if (!goOnAfterBackup(backUpAtFirstLoginOfDay(m_state))) {
        platform::endRun(1);
        return;
    }
    // A database made by an earlier version gets its indexes at the first login, once. Without
    // them every command still works, only slower, so a failure is shown and the run goes on.
    runReportingErrors([this] { addWorkingIndexes(m_state.db()); });
    m_employer = new EmployerScreen(m_state);
    m_employer->setAttribute(Qt::WA_DeleteOnClose);
    if (!m_employer->load()) {
        // The screen has shown its error and closed; without a window the run cannot go on.
        platform::endRun(1);
        return;
    }
    nameReturnIn(m_employer);
    connect(m_employer, &EmployerScreen::continued, this, &Shell::showEditor);
    m_employer->show();
    if (std::exchange(m_nextYearAfterLogin, false))
        makeNextYear();
}

void Shell::showEditor(const EmployerData& employerData) {
    auto* editor = new RecordEditor(m_state);
    m_editor = editor;
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setEmployer(employerData);
    linkNameSearch(*editor);
    linkRecordList(*editor);
    QPointer<EmployerScreen> employer = m_employer;
    // The employer screen stays loaded, hidden, while the editor runs; it goes with the editor.
    connect(editor, &RecordEditor::closed, this, [this, employer] {
        recordSummary();
        if (employer)
            employer->close();
    });
    connect(editor, &RecordEditor::returnsRequested, this, &Shell::showReturns);
    connect(editor, &RecordEditor::newReturnRequested, this, &Shell::newReturn);
    connect(editor, &RecordEditor::nextYearRequested, this, &Shell::makeNextYear);
    connect(editor, &RecordEditor::returnRequested, this, &Shell::openReturn);
    editor->load();
}
