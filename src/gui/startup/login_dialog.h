#pragma once

#include "core/common/engine_error.h"

#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
struct RunState;

// "Login Window" (object name "fLogin"): the password typed here is the working database's
// password; opening the database with it is the login, and that connection is kept for the whole
// run.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoginDialog(RunState& state, QWidget* parent = nullptr);

    // The login the program makes by itself on a database that has just been created or that
    // carries no password: the default password is entered and confirmed.
    void logInWithDefaultPassword();

    // Escape and the window's close button quit, as the Quit button does.
    void reject() override;

signals:
    void loggedIn();
    void changePasswordRequested();

private:
    void logIn();
    // The failure, for the caller to answer once the typed text is no longer held.
    std::optional<EngineError> logInWith(const QString& password);
    void requestPasswordChange();
    void quit();
    void loginFailed(const EngineError& error);
    void leave();

    QLabel* m_passwordLabel;
    QLineEdit* m_passwordEdit;
    QPushButton* m_okButton;
    QPushButton* m_changePasswordButton;
    QPushButton* m_quitButton;

    RunState& m_state;
    std::uint8_t m_attemptsLeft = 3;
};
