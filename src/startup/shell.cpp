#include "startup/shell.h"

#include "employer/fSubInfo.h"
#include "platform/field_edit.h"
#include "platform/services.h"
#include "records/fXW73D.h"
#include "startup/fChgPwd.h"
#include "startup/fConvert.h"
#include "startup/fLogin.h"
#include "startup/run_state.h"

#include <QLineEdit>
#include <QPushButton>

Shell::Shell(RunState& state, QObject* parent)
    : QObject(parent)
    , m_state(state) {
    platform::setRunEnd([this] {
        if (m_state.login)
            m_state.login->close();
    });
}

Shell::~Shell() {
    platform::setRunEnd({});
}

void Shell::start() {
    auto* convert = new fConvert(m_state);
    convert->setAttribute(Qt::WA_DeleteOnClose);
    connect(convert, &fConvert::loginRequired, this, &Shell::showLogin);
    convert->load();
}

void Shell::showLogin(bool withDefaultPassword) {
    auto* login = new fLogin(m_state);
    connect(login, &fLogin::loggedIn, this, &Shell::showEmployerScreen);
    connect(login, &fLogin::changePasswordRequested, this, &Shell::showPasswordChange);
    login->show();
    if (withDefaultPassword) {
        login->txtLogin->setText(QStringLiteral("qvz"));
        login->cmdLoginOk->click();
    }
}

void Shell::showPasswordChange() {
    auto* change = new fChgPwd(m_state);
    connect(change, &fChgPwd::declined, this, [this] { showLogin(false); });
    connect(change, &fChgPwd::passwordChanged, this, &Shell::showEmployerScreen);
    change->show();
}

void Shell::showEmployerScreen() {
    m_employer = new fSubInfo(m_state);
    m_employer->setAttribute(Qt::WA_DeleteOnClose);
    if (!m_employer->load()) {
        // The screen has shown its error and closed; without a window the run cannot go on.
        platform::endRun(1);
        return;
    }
    connect(m_employer, &fSubInfo::continued, this, &Shell::showEditor);
    m_employer->show();
}

void Shell::showEditor() {
    auto* editor = new fXW73D(m_state);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<fSubInfo> employer = m_employer;
    editor->setReturnYearSource(
        [employer] { return employer ? employer->tReturnYear->text() : QString(); });
    // The employer screen stays loaded, hidden, while the editor runs; it goes with the editor.
    connect(editor, &fXW73D::closed, this, [employer] {
        if (employer)
            employer->close();
    });
    editor->load();
}
