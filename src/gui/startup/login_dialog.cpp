#include "gui/startup/login_dialog.h"

#include "core/platform/services.h"
#include "gui/common/message_boxes.h"
#include "gui/widgets/widgets.h"
#include "store/common/schema.h"
#include "store/startup/login.h"
#include "store/startup/run_state.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>

using widgets::named;

LoginDialog::LoginDialog(RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fLogin"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QObject::tr("Login Window"));

    m_passwordEdit = widgets::passwordField(this, "txtLogin", 10, QObject::tr("Password"));
    m_passwordLabel = widgets::labelFor(this, QObject::tr("Please enter password"), m_passwordEdit);
    m_okButton = widgets::button(this, "cmdLoginOk", QObject::tr("&Ok"));
    m_changePasswordButton = widgets::button(this, "cmdChange", QObject::tr("Change &Password"));
    m_quitButton = widgets::button(this, "cmdLoginCancel", QObject::tr("&Quit"));
    m_okButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_changePasswordButton);
    buttons->addWidget(m_quitButton);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_passwordLabel, 0, 0);
    layout->addWidget(m_passwordEdit, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
    setTabOrder(m_passwordEdit, m_okButton);
    setTabOrder(m_okButton, m_changePasswordButton);
    setTabOrder(m_changePasswordButton, m_quitButton);

    connect(m_okButton, &QPushButton::clicked, this, &LoginDialog::logIn);
    connect(m_changePasswordButton, &QPushButton::clicked, this,
            &LoginDialog::requestPasswordChange);
    connect(m_quitButton, &QPushButton::clicked, this, &LoginDialog::quit);
}

void LoginDialog::logIn() {
    if (const std::optional<EngineError> failure = logInWith(m_passwordEdit->text()))
        loginFailed(*failure);
}

void LoginDialog::logInWithDefaultPassword() {
    m_passwordEdit->setText(schema::defaultPassword);
    if (const std::optional<EngineError> failure = logInWith(schema::defaultPassword))
        loginFailed(*failure);
}

std::optional<EngineError> LoginDialog::logInWith(const QString& password) {
    --m_attemptsLeft;
    if (std::optional<EngineError> failure = ::logIn(m_state, password))
        return failure;
    emit loggedIn();
    leave();
    return std::nullopt;
}

void LoginDialog::leave() {
    hide();
    deleteLater();
}

void LoginDialog::reject() {
    quit();
}

void LoginDialog::loginFailed(const EngineError& error) {
    const LoginRefusal refusal = loginRefusal(error, m_attemptsLeft);
    showError(refusal.message);
    if (refusal.endsRun) {
        platform::endRun(1);
        return;
    }
    widgets::emptyPasswordField(m_passwordEdit);
    m_passwordEdit->setFocus();
}

void LoginDialog::requestPasswordChange() {
    emit changePasswordRequested();
    leave();
}

void LoginDialog::quit() {
    platform::endRun(0);
}
