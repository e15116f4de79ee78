#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Keeps the password and the decrypted records out of images of the process's memory.
namespace secrets {

// No core file of this process is ever written, and no other process of the user may read its
// memory: a core would hold the password and every record read. Called first in main.
void stopCoreDumps();

// Overwrites the text in place, for a string that no other string shares any longer (a shared
// one is copied first, as Qt copies on write, and the shared text stays where it was).
void overwrite(QString& text);
void overwrite(QByteArray& bytes);

// The variable's value, its bytes overwritten in the environment and the variable removed, so
// that neither the process's environment nor its children's hold it any longer. Nothing when
// it is not set.
std::optional<QByteArray> takeEnvironmentVariable(const char* name);

} // namespace secrets
