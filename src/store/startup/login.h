#pragma once

#include "core/common/engine_error.h"

#include <QString>
#include <cstdint>
#include <optional>

struct RunState;

// The login: the working database opened exclusively with the typed password becomes the run's
// login connection. Both tables are read at once, so that a damaged file is reported here rather
// than on a later screen. On success the state holds the connection and the password; on
// failure it holds no connection and the error says why.
std::optional<EngineError> logIn(RunState& state, const QString& password);

// What the login screen does after a failed login with this many attempts left.
struct LoginRefusal {
    QString message;
    bool endsRun;
    bool tryAgain; // the password field is emptied for another attempt
};
LoginRefusal loginRefusal(const EngineError& error, std::uint8_t attemptsLeft);

// The password change's open: the old password opens the login connection, which then takes
// the new one. On failure the state holds no connection.
std::optional<EngineError> openWithOldPassword(RunState& state, const QString& oldPassword);

// The run's files once logged in, before the employer row is shown: the save's work files
// removed, the image path set up and a leftover image deleted. Raises EngineError.
void setUpRunFiles(RunState& state);
