#pragma once

#include "core/records/command_state.h"
#include "core/records/page_checks.h"
#include "store/records/record_set.h"

#include <QVariant>
#include <optional>

// The record editor's work on the employee table, without a screen: the record set, the command
// state, the identifier to return to, the next new record's identifier and the no-record mode, in
// which the set holds only the placeholder row. Nothing here asks or tells the user; each
// operation returns what happened, and an engine error is raised for the screen to show.
class RecordSession {
public:
    explicit RecordSession(Database& db);

    RecordSet& records() { return m_records; }
    const RecordSet& records() const { return m_records; }
    CommandState state() const { return m_state; }
    // Bound to the placeholder row because no real record exists.
    bool isNoRecordMode() const { return m_noRecordMode; }
    qint32 nextRecordId() const { return m_nextId; }
    const QVariant& rememberedId() const { return m_rememberedId; }
    // How many original records the last sort numbered.
    qint32 sheetCounter() const { return m_sheetCounter; }

    // Reads the list again in name order and stands on its first record; the next identifier
    // follows the highest one. False when there is no real record: the placeholder row is then
    // bound and both identifiers are 1, and the screen starts a first record (addNew).
    bool reload();

    // The current record's texts as its fields show them, keyed by column name; empty texts
    // without a current row.
    FieldTexts currentTexts() const;

    // Remembers the current record as the one to return to. No current record is no failure;
    // any other engine error is returned as its description and the identifier stays as it was.
    std::optional<QString> rememberCurrentId();
    // Puts the current record into edit mode (the editing state). Only from browsing.
    void beginEdit();
    // Starts a new row (the new-record state). The record to return to is the screen's to
    // remember first, unless in no-record mode.
    void addNew();
    // Back to browsing, the current row saved or left alone.
    void endEdit() { m_state = CommandState::Browsing; }

    struct SaveOutcome {
        // Texts the fields take whatever the outcome: the surname and identity numbers
        // upper-cased once the first page's check was reached, a new record's identifier.
        FieldTexts changedTexts;
        std::optional<PageFailure> failure; // a page check failed: nothing written
        // The engine refused the write: the record stays in its edit state, a new one with the
        // identifier it was given, so that the same save can be tried again.
        std::optional<EngineError> refusal;
        NameChange change; // the saved record's move in the name order
        bool saved() const { return !failure && !refusal; }
    };
    // Runs the page checks in the order for the visible page, gives a new record its identifier
    // and writes every text. After a save the screen calls showSavedRecord.
    SaveOutcome save(const FieldTexts& texts, const QString& returnYear, int visiblePage);
    // Makes the saved record current. True when the list was read again from scratch, as the
    // first record of an empty database leaves the placeholder row for the real records.
    bool showSavedRecord();

    // Drops the pending edit or new row and stands again on the record remembered before it.
    void cancel();

    struct Removal {
        NameEntry removed;
        bool noneLeft = false; // the placeholder row is bound: the screen starts a first record
    };
    // Deletes the current record and stands on the next one, or on the new last one.
    Removal remove();

    // Numbers the original records in name order; the screen reloads after it.
    void sort();

    // Pending changes are dropped, a row stored without an identifier (which never went through
    // the save) is deleted, and the table is released.
    void removeIncompleteLastRow();
    void release();

private:
    void bindPlaceholder();
    // Every field text into the edit buffer, the changed ones in place of those typed.
    void write(const FieldTexts& texts, const FieldTexts& changed);
    void findRemembered();

    Database& m_db;
    RecordSet m_records;
    CommandState m_state = CommandState::Browsing;
    QVariant m_rememberedId;
    qint32 m_nextId = 1;
    bool m_noRecordMode = false;
    qint32 m_sheetCounter = 0;
};
