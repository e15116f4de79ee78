#include "startup/login_dialog.h"

#include "common/message_boxes.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "startup/run_state.h"
#include "store/schema.h"

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

    passwordEdit = widgets::passwordField(this, "txtLogin", 10, QStringLiteral("Password"));
    passwordLabel = widgets::labelFor(this, QStringLiteral("Please enter password"), passwordEdit);
    okButton = widgets::button(this, "cmdLoginOk", QStringLiteral("&Ok"));
    changePasswordButton = widgets::button(this, "cmdChange", QStringLiteral("Change &Password"));
    quitButton = widgets::button(this, "cmdLoginCancel", QStringLiteral("&Quit"));
    okButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(changePasswordButton);
    buttons->addWidget(quitButton);
    auto* layout = new QGridLayout(this);
    layout->addWidget(passwordLabel, 0, 0);
    layout->addWidget(passwordEdit, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
    setTabOrder(passwordEdit, okButton);
    setTabOrder(okButton, changePasswordButton);
    setTabOrder(changePasswordButton, quitButton);

    connect(okButton, &QPushButton::clicked, this, &LoginDialog::logIn);
    connect(changePasswordButton, &QPushButton::clicked, this, &LoginDialog::requestPasswordChange);
    connect(quitButton, &QPushButton::clicked, this, &LoginDialog::quit);
}

void LoginDialog::logIn() {
    logInWith(passwordEdit->text());
}

void LoginDialog::logInWithDefaultPassword() {
    passwordEdit->setText(schema::defaultPassword);
    logInWith(schema::defaultPassword);
}

void LoginDialog::logInWith(const QString& password) {
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
        loginFailed(error.number(), error.description());
        return;
    }
    m_state.loginPassword = password;
    emit loggedIn();
    leave();
}

void LoginDialog::leave() {
    hide();
    deleteLater();
}

void LoginDialog::reject() {
    quit();
}

void LoginDialog::loginFailed(int number, const QString& description) {
    if (number != engine::NotValidPassword && number != engine::InvalidArgument) {
        showError(description + u' ' + QString::number(number));
        platform::endRun(1);
        return;
    }
    if (m_attemptsLeft > 0) {
        showError(QStringLiteral("Login attempt failed.  Try again?   (Incorrect Password.)"));
        passwordEdit->clear();
        passwordEdit->setFocus();
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
