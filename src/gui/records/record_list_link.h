#pragma once

class QAction;
class RecordEditor;

// Places the record list beside the editor's pages and keeps the two in step: the list follows
// the record the editor shows and is read again when the records change; a record picked in the
// list, or the first one its filter finds, is shown in the editor under the record control's
// rule (no move while a record is edited or entered: a beep). The menu's Find shows the list
// and puts the keyboard in its filter. Whether the list is hidden is kept in the settings.
void linkRecordList(RecordEditor& editor);

// The checkable action that shows and hides the list (F9), for the editor's View menu; null
// before linkRecordList.
QAction* recordListToggle(RecordEditor& editor);
