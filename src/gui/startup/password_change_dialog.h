#pragma once

#include <QDialog>
#include <cstdint>

class EngineError;

class QLineEdit;
class QProgressBar;
class QPushButton;
struct RunState;

// "Change of Password" (object name "fChgPwd"): opens the working database with the old password,
// keeps that connection as the login connection and sets the new password on it; the kept backup
// copies are then given the new password as well.
class PasswordChangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordChangeDialog(RunState& state, QWidget* parent = nullptr);

    // Escape and the window's close button decline, as No does.
    void reject() override;

signals:
    void declined();
    void passwordChanged();

private:
    void confirmChange();
    void decline();
    bool changePassword();
    void oldPasswordRefused(const EngineError& error);
    void rekeyBackups();
    void emptyPasswordFields();
    void retypeNew(const QString& message);
    void leave();

    QLineEdit* m_oldPasswordEdit;
    QLineEdit* m_newPasswordEdit;
    QLineEdit* m_retypedPasswordEdit;
    QPushButton* m_yesButton;
    QPushButton* m_noButton;
    QProgressBar* m_progressBar;

    RunState& m_state;
    std::uint8_t m_attemptsLeft = 2;
};
