#pragma once

#include "core/employer/employer_data.h"
#include "gui/widgets/field_entry_controller.h"

#include <QDialog>
#include <optional>

class FieldEdit;
class QLineEdit;
class QPushButton;
struct RunState;

// "Common data for XW73D records" (object name "fSubInfo"): edits the one employer row. Continue
// checks every field, saves the row and hands the saved data over to the record editor; the
// screen then stays hidden. Quit ends the run without saving.
class EmployerScreen : public QDialog {
    Q_OBJECT
public:
    explicit EmployerScreen(RunState& state, QWidget* parent = nullptr);

    // Clears the work files, sets up the image path and shows the employer row. When that fails
    // the error is shown and the screen closes; the result is then false.
    bool load();

    // The employer's data as the fields show them now.
    EmployerData employerData() const;

    // Escape does nothing here: the screen has no cancel button.
    void reject() override;

signals:
    // The employer row is saved and the screen hidden: the record editor takes over.
    void continued(const EmployerData& employer);

protected:
    // Closing the window is the Quit command.
    void closeEvent(QCloseEvent* event) override;

private:
    // Each shows its message, and puts the field right, when it refuses; true when accepted.
    bool checkReturnYear();
    bool checkSection();
    bool checkFileNumber();
    bool checkSubmissionDate();

    void createFields();
    void sizeFields();
    void layOut();
    void setTabOrders(std::initializer_list<QWidget*> order);
    void wireEvents();
    void readEmployerRow();
    void showRow();
    bool save();

    void continueToRecords();
    void quitWithoutSaving();
    void rememberYear();
    void rememberSection();
    void upperCaseSection();
    void rememberFileNumber();

    using Check = bool (EmployerScreen::*)();
    // True when the check refused the field or asked about it.
    bool leaveCheck(Check check);
    void confirmYearChange();
    bool clearPagesTwoToFour();
    void say(const QString& message);
    // Shows the message, puts back the remembered value (when there is one) and keeps the focus.
    bool refuse(QLineEdit* field, const QString& message,
                const std::optional<QString>& restored = std::nullopt);

    FieldEdit* m_returnYearEdit;
    FieldEdit* m_fileSectionEdit;
    FieldEdit* m_fileNumberEdit;
    FieldEdit* m_employerNameEdit;
    FieldEdit* m_submissionDateEdit;
    FieldEdit* m_designationEdit;
    QPushButton* m_continueButton;
    QPushButton* m_quitButton;

    RunState& m_state;
    qint64 m_rowId = 0;
    EmployerData m_saved; // the row as read or last saved
    QString m_rememberedYear;
    QString m_rememberedSection;
    QString m_rememberedFileNumber;
    FieldEntryController m_entry; // the name and the designation share its last accepted text
    bool m_checking = false;
    int m_messagesShown = 0;
};
