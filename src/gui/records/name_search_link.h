#pragma once

class RecordEditor;

// Gives the editor's Name Search command its window and keeps the two in step: a chosen name is
// shown in the editor, a save rebuilds a visible list, a deletion takes its entry out of it, and
// the window closes with the editor. Neither screen knows the other; this is where they meet.
void linkNameSearch(RecordEditor& editor);
