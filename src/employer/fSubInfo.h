#pragma once

#include "store/rows.h"

#include <QDialog>
#include <optional>

class FieldEdit;
class QLineEdit;
class QPushButton;
struct RunState;

// "Common data for XW73D records": edits the one employer row. Continue checks every field,
// saves the row and hands over to the record editor; the screen then stays hidden, and the
// editor and the save read its year and file-number fields. Quit ends the run without saving.
class fSubInfo : public QDialog {
    Q_OBJECT
public:
    explicit fSubInfo(RunState& state, QWidget* parent = nullptr);

    // Clears the work files, sets up the image path and shows the employer row. When that fails
    // the error is shown and the screen closes; the result is then false.
    bool load();

    // Each shows its message, and puts the field right, when it refuses; true when accepted.
    bool CheckReturnYear();
    bool CheckSection();
    bool CheckFileNumber();
    bool CheckSubmissionDate();

    FieldEdit* tReturnYear;
    FieldEdit* tSession;
    FieldEdit* tBRN;
    FieldEdit* tName;
    FieldEdit* tSubDate;
    FieldEdit* tDesignation;
    QPushButton* cContinue;
    QPushButton* cQuit;

    // Escape does nothing here: the screen has no cancel button.
    void reject() override;

signals:
    // The employer row is saved and the screen hidden: the record editor takes over.
    void continued();

protected:
    // Closing the window is the Quit command.
    void closeEvent(QCloseEvent* event) override;

private:
    void createFields();
    void layOut();
    void setTabOrders(std::initializer_list<QWidget*> order);
    void wireEvents();
    void readEmployerRow();
    void showRow();
    bool save();

    void cContinue_Click();
    void cQuit_Click();
    void tReturnYear_GotFocus();
    void tSession_GotFocus();
    void tSession_Change();
    void tBRN_GotFocus();
    void limitedText_Change(QLineEdit* field, int bytes);

    using Check = bool (fSubInfo::*)();
    void leaveCheck(Check check, Qt::FocusReason reason);
    void confirmYearChange();
    bool clearPagesTwoToFour();
    void say(const QString& message);
    // Shows the message, puts back the remembered value (when there is one) and keeps the focus.
    bool refuse(QLineEdit* field, const QString& message,
                const std::optional<QString>& restored = std::nullopt);

    RunState& m_state;
    qint64 m_rowId = 0;
    RowValues m_row;
    QString m_rememberedYear;
    QString m_rememberedSection;
    QString m_rememberedFileNumber;
    QString m_lastAccepted; // shared by the name and the designation
    bool m_checking = false;
    int m_messagesShown = 0;
};
