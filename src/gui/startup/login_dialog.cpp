#include "gui/startup/login_dialog.h"

#include "core/common/message_boxes.h"
#include "core/platform/services.h"
#include "gui/widgets/widgets.h"
#include "store/common/schema.h"
#include "store/startup/run_state.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using widgets::named;

LoginDialog::LoginDialog(RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fLogin"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QStringLiteral("Login Window"));

    m_passwordEdit = widgets::passwordField(this, "txtLogin", 10, QStringLiteral("Password"));
    m_passwordLabel =
        widgets::labelFor(this, QStringLiteral("Please enter password"), m_passwordEdit);
    m_okButton = widgets::button(this, "cmdLoginOk", QStringLiteral("&Ok"));
    m_changePasswordButton = widgets::button(this, "cmdChange", QStringLiteral("Change &Password"));
    m_quitButton = widgets::button(this, "cmdLoginCancel", QStringLiteral("&Quit"));
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
    m_state.login.reset();
    try {
        m_state.login = Database::open(databasePath(m_state.programFolder, DatabaseFile::Working),
                                       OpenOptions{.password = password, .exclusive = true});
        // Reading both tables now reports a damaged file here rather than on a later screen.
        m_state.login->exec(QStringLiteral("select count(*) from employer; "
                                           "select max(rowid) from employee"));
    } catch (const EngineError& error) {
        m_state.login.reset();
        return error;
    }
    m_state.loginPassword = password;
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
    const int number = error.number();
    if (number != engine::NotValidPassword && number != engine::InvalidArgument) {
        // A database held by another copy of the program is said in words; its number would
        // tell the user nothing more.
        showError(number == engine::InUse ? error.description()
                                          : error.description() + u' ' + QString::number(number));
        platform::endRun(1);
        return;
    }
    if (m_attemptsLeft > 0) {
        showError(QStringLiteral("Login attempt failed.  Try again?   (Incorrect Password.)"));
        widgets::emptyPasswordField(m_passwordEdit);
        m_passwordEdit->setFocus();
        return;
    }
    showError(QStringLiteral("Login failed."));
    platform::endRun(1);
}

void LoginDialog::requestPasswordChange() {
    emit changePasswordRequested();
    leave();
}

void LoginDialog::quit() {
    platform::endRun(0);
}
