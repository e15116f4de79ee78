#pragma once

#include <QFuture>
#include <QString>
#include <functional>
#include <optional>

namespace backups {

// What a check of a copy found: nothing when it passed, otherwise why not, in words.
using CheckOutcome = std::optional<QString>;

// Runs `check` on a worker thread of its own and returns its outcome to come.
QFuture<CheckOutcome> startCheck(std::function<CheckOutcome()> check);

// Waits until every check this process started has ended, so that nothing else reads, names
// or prunes the copies while one is still being checked under its work name.
void waitForChecks();

} // namespace backups
