#pragma once

#include "core/employer/employer_data.h"
#include "core/records/command_state.h"
#include "core/records/name_list.h"

#include <QWidget>
#include <functional>
#include <memory>

class CommandBar;
class FieldEdit;
class QSplitter;
class RecordSet;
struct NameChange;
struct PageFailure;
struct RunState;

// The record editor "fXW73D", the main screen: the record session, four pages of bound fields,
// the record control and the command bar; link files connect the other commands to their flows.
class RecordEditor : public QWidget {
    Q_OBJECT
    Q_MOC_INCLUDE("store/records/record_set.h")
public:
    using CommandState = ::CommandState;

    explicit RecordEditor(RunState& state, QWidget* parent = nullptr);
    // The folder of the return the editor shows.
    const QString& programFolder() const;
    ~RecordEditor() override;

    // The employer's data as the employer screen saved them: the return year and file number,
    // also named in the title and the status bar.
    void setEmployer(const EmployerData& employer);
    const EmployerData& employer() const { return m_employer; }
    RunState& runState() const { return m_state; }
    void load();

    void showPage(int page);
    bool isPageVisible(int page) const;
    bool isTracking() const;
    CommandState commandState() const;
    bool isNoRecordMode() const;
    qint32 nextRecordId() const;
    // How many original records the last sort numbered; the save reads it as their count.
    qint32 sheetCounter() const;
    // Numbers the original records; false when it failed (its error shown).
    bool sortRecords();
    // Reads every record again after an import changed the table; a pending edit is dropped.
    void reloadRecords();
    RecordSet& records();
    CommandBar& commands() const;
    // The field bound to a column (names compare without regard to case), or null.
    FieldEdit* field(const QString& column) const;
    // Shows the current row of the record set in the fields and the record control.
    void showCurrentRecord();
    // Moves to a record as the record control would, for the name search, the record list and
    // the problem list: only while browsing (otherwise a beep and false). Shows the row when
    // `find` moved the record set to one; an engine error reaches the caller.
    bool showFoundRecord(const std::function<bool(RecordSet&)>& find);
    // Puts a panel before the pages, in a splitter the user may drag to hide it; returns it.
    QSplitter* placeBesidePages(QWidget* panel);
    // Off while a save runs, so that no record changes between the image and the copies.
    void setSaving(bool saving);
    // Tells the user what the last command did, in words; a folder, when given, is one the user
    // may want to open (where a file went).
    void reportResult(const QString& text, const QString& folder = QString()) {
        emit resultReported(text, folder);
    }

    // The settings key of the return folders opened last, newest first.
    static QString recentReturnsKey() { return QStringLiteral("returns/recent"); }

signals:
    void closed();
    // The File menu's way to other returns, which the shell carries out.
    void returnsRequested();
    void newReturnRequested();
    void nextYearRequested();
    void returnRequested(const QString& folder);
    void nameSearchRequested();
    // The records were read again, so a list of their names is out of date.
    void recordsChanged();
    // A save changed one record's place in the name order (or added it).
    void recordSaved(const NameChange& change);
    void recordRemoved(const NameEntry& names);
    // The fields show the record set's current row (or a new record's empty fields).
    void recordShown();
    void resultReported(const QString& text, const QString& folder);
    // The menu's Find and Export forms as PDF files, which links elsewhere carry out.
    void findRequested();
    void exportFormsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildScreen();
    void wireFrame();
    void wireCommands();
    int visiblePage() const;
    void reloadRecordList();
    void moveRecordSet(void (*move)(RecordSet&));
    void markRecordChanged();
    void rememberCurrentId();
    void endOfEditState();
    void newRecordState();
    void enterNoRecordMode(const QString& message);
    bool hasUnsavedChanges() const;
    void applyCommandState(CommandState state);
    void showPosition();
    void chooseRecordType(int index);
    void showRecordType();
    void setReadingTabOrder();
    void updateRecord();
    void showPageFailure(const PageFailure& failure);
    void showSavedRecord(const NameChange& change);
    void deleteRecord();
    void quitOrCancel();
    void cancelEntry();
    void offerToQuit();
    bool quitProgram();

    // The frame's parts (record_editor.cpp): the session, the binder, the pages and the bar.
    struct Parts;
    RunState& m_state;
    EmployerData m_employer;
    std::unique_ptr<Parts> m_parts;
};
