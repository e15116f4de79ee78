#pragma once

// The parts the record editor is made of, shared by its two source files.
#include "gui/records/field_binder.h"
#include "gui/records/record_editor.h"
#include "store/records/record_session.h"

class CommandBar;
class EditorFieldEntry;
class EditorStatus;
class Navigator;
class PageFrame;
class QSplitter;

struct RecordEditor::Parts {
    explicit Parts(Database& db)
        : session(db) {}
    RecordSession session;
    FieldBinder binder;
    Navigator* navigator = nullptr;
    PageFrame* pages = nullptr;
    QSplitter* splitter = nullptr; // the pages, and what is placed beside them
    CommandBar* commands = nullptr;
    EditorStatus* statusBar = nullptr;
    EditorFieldEntry* fieldEntry = nullptr;
    FieldTexts newRecordTexts; // the fields as a new record begins, to tell typing from none
    bool tracking = false;
    bool saving = false;

    FieldEdit* status() const { return binder.element("tStatus"); }
    FieldEdit* sheetNumber() const { return binder.element("tSheetNo"); }
};
