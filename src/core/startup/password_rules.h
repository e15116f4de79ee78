#pragma once

#include <QString>
#include <optional>

// Why a new password typed twice is refused, or nothing when it is acceptable: three to eight
// ASCII letters or digits, typed the same way (case counts) both times.
std::optional<QString> newPasswordRefusal(const QString& newPassword, const QString& retyped);
