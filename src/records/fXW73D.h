#pragma once

#include "store/record_set.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class FieldEdit;
class Navigator;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class fNameSearch;
struct EditorField;
struct RunState;
namespace fieldrules {
struct LeaveVerdict;
}

// "XW73D 3.4": the record editor, the program's main screen. It shows one employee record on
// four pages of fields bound to the columns of the editor's record set, and carries the
// commands that work on the records.
class fXW73D : public QWidget {
    Q_OBJECT
public:
    enum class CommandState { Browsing, Editing, NewRecord };

    explicit fXW73D(RunState& state, QWidget* parent = nullptr);
    ~fXW73D() override;

    // The employer screen's year field, read whenever the editor needs the return year.
    void setReturnYearSource(std::function<QString()> source) { m_returnYear = std::move(source); }
    QString returnYear() const;

    void load();

    // Operations the commands and the field rules use.
    void showPage(int page);
    bool isPageVisible(int page) const;
    int visiblePage() const;
    void markRecordChanged();
    void endOfEditState();
    void newRecordState();
    void reloadRecordList();
    bool isTracking() const { return m_tracking; }
    void setTracking(bool on) { m_tracking = on; }
    CommandState commandState() const { return m_commandState; }
    qint32 nextRecordId() const { return m_nextId; }
    // How many original records the last sort numbered; the save reads it as their count.
    qint32 sheetCounter() const { return m_sheetCounter; }

    // Commands that other commands press too (Print All and the save sort first).
    void cSort_Click();

    RecordSet& records() { return m_records; }
    // The field bound to a column (names compare without regard to case), or null.
    FieldEdit* field(const QString& column) const;
    // The one path that shows the current row, and the one that writes the fields back.
    void showCurrentRow();
    void writeFieldsToRecord();
    // Makes the record with this identifier current and shows it; false when there is none.
    bool showRecordWithId(qint64 id);
    bool showRecordNamed(const QString& surname, const std::optional<QString>& firstName);

    fNameSearch* nameSearch() const;

    // Controls, under the names the rest of the program uses.
    Navigator* Data1;
    QLabel* Picture4;
    std::array<QLabel*, 4> lPage{};
    std::array<QWidget*, 4> Picture1{};
    QGroupBox* fraEntry;
    std::array<QRadioButton*, 3> optStatus{};
    FieldEdit* tStatus;
    FieldEdit* tID;
    FieldEdit* tSheetNo;
    std::array<FieldEdit*, 10> tPage1{};
    std::array<FieldEdit*, 2> tHKID{};
    std::array<FieldEdit*, 2> tChkDigit{};
    FieldEdit* tChineseName;
    FieldEdit* tSex;
    FieldEdit* tMStatus;
    FieldEdit* tAreaCode;
    std::array<FieldEdit*, 6> tddmmyy{};
    std::array<FieldEdit*, 14> tIncome{};
    std::array<FieldEdit*, 15> tPeriod{}; // element 9 does not exist
    std::array<FieldEdit*, 3> tNature{};
    FieldEdit* tTotal;
    std::array<QLabel*, 4> lYear1{};
    FieldEdit* tQFlag;
    std::array<FieldEdit*, 8> tPage3{};
    std::array<FieldEdit*, 8> tRent1{};
    FieldEdit* tOSeaFlag;
    std::array<FieldEdit*, 5> tPage4{};
    QPushButton* cNew;
    QPushButton* cUpdate;
    QPushButton* cDelete;
    QPushButton* cExit;
    QPushButton* cNameSearch;
    QPushButton* cSort;
    QPushButton* cPrint;
    QPushButton* cPrintAll;
    QPushButton* cSaveFloppy;

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Page construction, one function a page.
    void buildScreen();
    QWidget* buildPage1();
    QWidget* buildPage2();
    QWidget* buildPage3();
    QWidget* buildPage4();
    QWidget* buildCommands();
    FieldEdit* boundField(QWidget* parent, const char* control, int element = -1);

    void wireFrame();
    // The entry rules of the fields (fXW73D_fields.cpp).
    void wireFieldRules();
    void wireField(const EditorField& entry, FieldEdit* edit);
    bool fieldKey(const EditorField& entry, FieldEdit* edit, char32_t key);
    void fieldChanged(const EditorField& entry, FieldEdit* edit, const QString& text);
    void fieldEntered(const EditorField& entry, const QString& text);
    void fieldLeft(const EditorField& entry);
    void fieldKeyReleased(const EditorField& entry, int key);
    void refuseLeave(const EditorField& entry, FieldEdit* edit,
                     const fieldrules::LeaveVerdict& verdict);
    void acceptLeave(const EditorField& entry, FieldEdit* edit,
                     const fieldrules::LeaveVerdict& verdict);
    void setDependents(const EditorField& indicator, bool enabled, bool clear = false);
    void followAmounts();
    QString* entryValue(const EditorField& entry);
    void switchToPage(int page);
    void enterFocusedFieldAgain();
    void checkFieldLeftBySwitch();
    void setReadingTabOrder();
    void applyCommandState(CommandState state);
    void reposition();
    void rememberCurrentId();
    void moveRecordSet(const std::function<void()>& move);
    void optStatus_Click(int index);
    void tStatus_Change();
    void activation();
    void cNameSearch_Click();

    // The record commands (fXW73D_commands.cpp).
    void wireCommands();
    void cNew_Click();
    void cUpdate_Click();
    void cDelete_Click();
    void cExit_Click();
    bool passesPageChecks();
    void showSavedRecord();
    // Binds the placeholder row, tells the user and starts the first record.
    void enterNoRecordMode(const QString& message);
    void cancelEntry();
    void offerToQuit();
    bool quitProgram();
    void removeIncompleteLastRow();
    // Print and Print All (fXW73D_printing.cpp).
    void wirePrintCommands();
    void cPrint_Click();
    void cPrintAll_Click();

    // Runs one step; an engine error is shown in the error box and false returned.
    bool attempt(const std::function<void()>& step);

    RunState& m_state;
    RecordSet m_records;
    std::function<QString()> m_returnYear;
    QHash<QString, FieldEdit*> m_bound; // by lower-case column name
    QStackedWidget* m_pages = nullptr;
    QPointer<fNameSearch> m_nameSearch;
    CommandState m_commandState = CommandState::Browsing;

    QVariant m_rememberedId;
    qint32 m_nextId = 1;
    bool m_placeholderSource = false;
    bool m_tracking = false;
    qint32 m_sheetCounter = 0;

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
