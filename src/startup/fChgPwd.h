#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;
struct RunState;

// "Change of Password": opens the working database with the old password, keeps that connection
// as the login connection and sets the new password on it.
class fChgPwd : public QDialog {
    Q_OBJECT
public:
    explicit fChgPwd(RunState& state, QWidget* parent = nullptr);

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QPushButton* cmdYes;
    QPushButton* cmdNo;

    // Escape and the window's close button decline, as No does.
    void reject() override;

signals:
    void declined();
    void passwordChanged();

private:
    void cmdYes_Click();
    void cmdNo_Click();
    bool changePassword();
    void retypeNew(const QString& message);
    void leave();

    RunState& m_state;
    std::uint8_t m_attemptsLeft = 2;
};
