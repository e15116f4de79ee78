#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The rules of the workspace that holds many returns, each a program folder of its own.
namespace workspace {

// The folder of returns beside the user's own program folder, and the folder the list's Remove
// moves a return into (nothing is ever deleted).
QString defaultFolderBeside(const QString& userProgramFolder);
inline const QString removedFolderName = QStringLiteral("removed");

// A name for a new return's folder: the employer and the year, or "Return" and the year, made
// safe for a file system and distinct from the names taken (compared without regard to case).
QString proposedName(const QString& employerName, const QString& year, const QStringList& taken);

// Why a name cannot be a return's folder, or nothing when it can.
std::optional<QString> nameRefusal(const QString& name, const QStringList& taken);

// The year after a four-digit return year; empty when the year is not one.
QString nextYear(const QString& returnYear);

// True when the period of employment (its last day as DDMMYYYY) ended before the last day of the
// return year, so the employee is no longer employed when the next year begins. An empty or
// unreadable last day counts as still employed.
bool endedBeforeNextYear(const QString& lastDay, const QString& returnYear);

} // namespace workspace
