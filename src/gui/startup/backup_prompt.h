#pragma once

#include <QString>
#include <optional>

// After the automatic backup copy: true when it was made, or when the user, told why it could
// not be, chose to go on without it. False means the operation stops without changing anything.
bool goOnAfterBackup(const std::optional<QString>& failure);
