#include "startup/fLogin.h"

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

fLogin::fLogin(RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fLogin"));
    setWindowTitle(QStringLiteral("Login Window"));

    txtLogin = widgets::passwordField(this, "txtLogin", 10, QStringLiteral("Password"));
    lblLogin2 = widgets::labelFor(this, QStringLiteral("Please enter password"), txtLogin);
    cmdLoginOk = widgets::button(this, "cmdLoginOk", QStringLiteral("&Ok"));
    cmdChange = widgets::button(this, "cmdChange", QStringLiteral("Change &Password"));
    cmdLoginCancel = widgets::button(this, "cmdLoginCancel", QStringLiteral("&Quit"));
    cmdLoginOk->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdLoginOk);
    buttons->addWidget(cmdChange);
    buttons->addWidget(cmdLoginCancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblLogin2, 0, 0);
    layout->addWidget(txtLogin, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
    setTabOrder(txtLogin, cmdLoginOk);
    setTabOrder(cmdLoginOk, cmdChange);
    setTabOrder(cmdChange, cmdLoginCancel);

    connect(cmdLoginOk, &QPushButton::clicked, this, &fLogin::cmdLoginOk_Click);
    connect(cmdChange, &QPushButton::clicked, this, &fLogin::cmdChange_Click);
    connect(cmdLoginCancel, &QPushButton::clicked, this, &fLogin::cmdLoginCancel_Click);
}

void fLogin::cmdLoginOk_Click() {
    const QString password = txtLogin->text();
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

void fLogin::leave() {
    hide();
    deleteLater();
}

void fLogin::reject() {
    cmdLoginCancel_Click();
}

void fLogin::loginFailed(int number, const QString& description) {
    if (number != engine::NotValidPassword && number != engine::InvalidArgument) {
        showError(description + u' ' + QString::number(number));
        platform::endRun(1);
        return;
    }
    if (m_attemptsLeft > 0) {
        showError(QStringLiteral("Login attempt failed.  Try again?   (Incorrect Password.)"));
        txtLogin->clear();
        txtLogin->setFocus();
        return;
    }
    showError(QStringLiteral("Login failed."));
    platform::endRun(1);
}

void fLogin::cmdChange_Click() {
    emit changePasswordRequested();
    leave();
}

void fLogin::cmdLoginCancel_Click() {
    platform::endRun(0);
}
