#pragma once

class QLabel;
class QWidget;
struct RunState;

// The notes that tell the user the working database is still protected by the default password
// and where to change it. Plain labels, so nothing waits for a key, each a small widget of its
// own that a status bar can take.
namespace defaultpassword {

// True while the run is logged in with the default password.
bool inUse(const RunState& state);

// The employer screen's note after the program has made the working database in this run.
QLabel* newDatabaseNote(QWidget* parent);

// The record editor's line while the login password is still the default one.
QLabel* editorLine(QWidget* parent);

} // namespace defaultpassword
