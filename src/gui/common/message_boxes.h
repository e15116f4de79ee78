#pragma once

#include <QString>
#include <functional>

// The program's three message boxes; each beeps first and waits for the user.
void showError(const QString& text);       // "Error", exclamation, OK
void showInformation(const QString& text); // "INFORMATION", information icon, OK
bool confirm(const QString& text);         // "CONFIRMATION", Yes (default) and No; true for Yes
// A box with only OK and the program's own title, for unexpected engine errors.
void showPlain(const QString& text);

// Runs one step of a command; an EngineError it raises is shown in the error box and false
// returned, so that the command can stop or go on as it must.
bool runReportingErrors(const std::function<void()>& step);

// The program's own title.
inline const QString programTitle = QStringLiteral("XW73D");
