#pragma once

#include "core/employer/employer_data.h"
#include "store/records/record_set.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class FieldEdit;
class Navigator;
class ProblemListWindow;
struct ImportPlan;
struct ReturnProblem;
enum class ImportChoice;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class SaveScreen;
struct EditorField;
struct RunState;
namespace fieldrules {
struct LeaveVerdict;
}

// The record editor (object name "fXW73D"), the program's main screen. It shows one employee
// record on four pages of fields bound to the columns of the editor's record set, and carries
// the commands that work on the records.
class RecordEditor : public QWidget {
    Q_OBJECT
public:
    enum class CommandState { Browsing, Editing, NewRecord };

    explicit RecordEditor(RunState& state, QWidget* parent = nullptr);

    // The employer's data as the employer screen saved them; the return year and the file
    // number are read from them.
    void setEmployer(const EmployerData& employer) { m_employer = employer; }
    const EmployerData& employer() const { return m_employer; }

    void load();

    void showPage(int page);
    bool isPageVisible(int page) const;
    bool isTracking() const { return m_tracking; }
    CommandState commandState() const { return m_commandState; }
    qint32 nextRecordId() const { return m_nextId; }
    // How many original records the last sort numbered; the save reads it as their count.
    qint32 sheetCounter() const { return m_sheetCounter; }

    // Numbers the original records; other commands run it first (Print All, the save) and stop
    // when it fails, as its error has been shown. False when it failed.
    bool sortRecords();
    // Reads every record again after the table changed behind the editor (an import): the list
    // and the next identifier as at load, the first record shown, a visible name list rebuilt.
    // A pending edit is dropped.
    void reloadRecords();

    RecordSet& records() { return m_records; }
    // The field bound to a column (names compare without regard to case), or null.
    FieldEdit* field(const QString& column) const;
    // Shows the first record with these names; false when there is none, when an edit is
    // pending (a beep) or when the search fails (its error shown).
    bool showRecordNamed(const QString& surname, const std::optional<QString>& firstName);

    // Checks every record and shows the list of problems ("Check all records").
    void showReturnProblems();

signals:
    void closed();
    // The Name Search command was pressed.
    void nameSearchRequested();
    // The records were read again, so a list of their names is out of date.
    void recordsChanged();
    // A save changed one record's place in the name order (or added it).
    void recordSaved(const NameChange& change);
    // This record is being deleted.
    void recordRemoved(const NameEntry& names);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString returnYear() const { return m_employer.returnYear; }
    int visiblePage() const;
    void markRecordChanged();
    void endOfEditState();
    void newRecordState();
    void reloadRecordList();
    QStringList fieldTexts() const;
    bool hasUnsavedChanges() const;
    // The one path that shows the current row, and the one that writes the fields back.
    void showCurrentRow();
    void writeFieldsToRecord();

    // Page construction, one function a page.
    void buildScreen();
    QGroupBox* buildRecordTypeBox(QWidget* page);
    QWidget* buildIdentityNumber(QWidget* page, int index);
    QWidget* buildPage1();
    QHBoxLayout* buildPeriodDates(QWidget* page);
    int addIncomeLines(QWidget* page, QGridLayout* grid, int row);
    QWidget* buildPage2();
    QWidget* buildPage3();
    QWidget* buildPage4();
    QWidget* buildCommands();
    FieldEdit* boundField(QWidget* parent, const char* control, int element = -1);

    void wireFrame();
    // The entry rules of the fields (record_editor_fields.cpp).
    void wireFieldRules();
    void wireField(const EditorField& entry, FieldEdit* edit);
    bool fieldKey(const EditorField& entry, FieldEdit* edit, char32_t key);
    void fieldChanged(const EditorField& entry, FieldEdit* edit, const QString& text);
    void fieldEntered(const EditorField& entry, const QString& text);
    // True when the field refused the value it was left with.
    bool fieldLeft(const EditorField& entry);
    void fieldKeyReleased(const EditorField& entry, int key);
    void refuseLeave(const EditorField& entry, FieldEdit* edit,
                     const fieldrules::LeaveVerdict& verdict);
    void acceptLeave(const EditorField& entry, FieldEdit* edit,
                     const fieldrules::LeaveVerdict& verdict);
    void setDependents(const EditorField& indicator, bool enabled, bool clear = false);
    void followAmounts();
    void followMaritalStatus();
    QString* entryValue(const EditorField& entry);
    void switchToPage(int page);
    void enterFocusedFieldAgain();
    void checkFieldLeftBySwitch();
    void setReadingTabOrder();
    void applyCommandState(CommandState state);
    void reposition();
    void rememberCurrentId();
    void moveRecordSet(const std::function<void()>& move);
    void chooseRecordType(int index);
    void showRecordType();
    void returnToVisiblePage();

    // The record commands (record_editor_commands.cpp).
    void wireCommands();
    void createNewRecord();
    void updateRecord();
    void deleteRecord();
    void quitOrCancel();
    bool passesPageChecks();
    void showSavedRecord(const NameChange& change);
    // Binds the placeholder row, tells the user and starts the first record.
    void enterNoRecordMode(const QString& message);
    void cancelEntry();
    void offerToQuit();
    bool quitProgram();
    void removeIncompleteLastRow();
    // Print and Print All (record_editor_printing.cpp).
    void wirePrintCommands();
    void printRecord();
    void printAllRecords();
    // Save to Floppy and the save screen it opens (record_editor_saving.cpp).
    void wireSaveCommand();
    void saveToMedium();
    void showOriginalsNotUpdated();
    void openSaveScreen(bool oversize);
    // Off while a save runs, so that no record changes between the image and the copies.
    void setRecordCommandsEnabled(bool enabled);

    // Check all records, Import, Export and Export template (record_editor_checking.cpp,
    // record_editor_transfer.cpp).
    void addReturnCommands(QWidget* box, QGridLayout* grid, int row);
    void goToProblem(const ReturnProblem& problem);
    bool readyForTransfer();
    void importFromFile();
    void importChosenRows(const ImportPlan& plan, ImportChoice choice);
    void exportToFile();
    void exportTemplateToFile();

    // Controls; their object names are the ones the field table and the tests use.
    Navigator* m_navigator;
    QLabel* m_pageTabPicture;
    std::array<QLabel*, 4> m_pageTabs{};
    std::array<QWidget*, 4> m_pages{};
    QGroupBox* m_recordTypeBox;
    std::array<QRadioButton*, 3> m_statusOptions{};
    FieldEdit* m_statusEdit;
    FieldEdit* m_idEdit;
    FieldEdit* m_sheetNumberEdit;
    std::array<FieldEdit*, 10> m_identityPageTexts{}; // names, passports, addresses, capacity
    std::array<FieldEdit*, 2> m_identityNumberEdits{};
    std::array<FieldEdit*, 2> m_checkDigitEdits{};
    FieldEdit* m_chineseNameEdit;
    FieldEdit* m_sexEdit;
    FieldEdit* m_maritalStatusEdit;
    FieldEdit* m_areaCodeEdit;
    std::array<FieldEdit*, 6> m_periodDateEdits{};
    std::array<FieldEdit*, 14> m_incomeEdits{};
    std::array<FieldEdit*, 15> m_incomePeriodEdits{}; // element 9 does not exist
    std::array<FieldEdit*, 3> m_otherRewardNatureEdits{};
    FieldEdit* m_totalIncomeEdit;
    std::array<QLabel*, 4> m_yearLabels{};
    FieldEdit* m_residenceFlagEdit;
    std::array<FieldEdit*, 8> m_residenceTexts{};
    std::array<FieldEdit*, 8> m_rentEdits{};
    FieldEdit* m_overseasFlagEdit;
    std::array<FieldEdit*, 5> m_overseasTexts{};
    QPushButton* m_newRecordButton;
    QPushButton* m_updateButton;
    QPushButton* m_deleteButton;
    QPushButton* m_quitButton;
    QPushButton* m_nameSearchButton;
    QPushButton* m_sortButton;
    QPushButton* m_printButton;
    QPushButton* m_printAllButton;
    QPushButton* m_saveToMediumButton;
    QPushButton* m_checkAllButton;
    QPushButton* m_importButton;
    QPushButton* m_exportButton;
    QPushButton* m_exportTemplateButton;
    QPointer<ProblemListWindow> m_problemList;

    RunState& m_state;
    RecordSet m_records;
    EmployerData m_employer;
    QHash<QString, FieldEdit*> m_bound; // by lower-case column name
    QStackedWidget* m_pageStack = nullptr;
    CommandState m_commandState = CommandState::Browsing;

    QVariant m_rememberedId;
    qint32 m_nextId = 1;
    bool m_placeholderSource = false;
    QStringList m_newRecordTexts; // the fields as a new record begins, to tell typing from none
    bool m_tracking = false;
    qint32 m_sheetCounter = 0;
    QPointer<SaveScreen> m_saveScreen;
    bool m_saving = false;

    // What the field rules keep between entering a field and leaving it.
    QString m_lastAccepted;               // one slot for every byte-guarded field
    QString m_identityEntry;              // shared by both identity numbers
    std::array<QString, 6> m_dateEntries; // all six date parts, when any of them got the focus
    QString m_amountEntry;                // shared by the fourteen income amounts
    QHash<const EditorField*, QString> m_entryValues; // surname, sex, area code, indicators
    bool m_refusing = false;                          // a refused field is taking the focus back
    bool m_switchingPage = false;                     // a page switch is moving the focus
    const EditorField* m_leftBySwitch = nullptr;
};
