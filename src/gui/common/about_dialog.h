#pragma once

class QWidget;
struct RunState;

// "About XW73D": the program's version, the folders it works in (the program folder and the
// removable medium's) and the versions of the libraries it runs on, to quote when asking for help.
void showAbout(QWidget* parent, RunState& state);
