#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
struct RunState;

// "Login Window": the password typed here is the working database's password; opening the
// database with it is the login, and that connection is kept for the whole run.
class fLogin : public QDialog {
    Q_OBJECT
public:
    explicit fLogin(RunState& state, QWidget* parent = nullptr);

    QLabel* lblLogin2;
    QLineEdit* txtLogin;
    QPushButton* cmdLoginOk;
    QPushButton* cmdChange;
    QPushButton* cmdLoginCancel;

    // Escape and the window's close button quit, as the Quit button does.
    void reject() override;

signals:
    void loggedIn();
    void changePasswordRequested();

private:
    void cmdLoginOk_Click();
    void cmdChange_Click();
    void cmdLoginCancel_Click();
    void loginFailed(int number, const QString& description);
    void leave();

    RunState& m_state;
    std::uint8_t m_attemptsLeft = 3;
};
