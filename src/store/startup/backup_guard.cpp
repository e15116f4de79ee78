#include "store/startup/backup_guard.h"

#include "core/common/engine_error.h"
#include "core/platform/services.h"
#include "store/startup/backups.h"
#include "store/startup/run_state.h"

#include <QObject>

namespace {

QString noCopyMade(const EngineError& error) {
    return QObject::tr("No backup copy of the database could be made: %1").arg(error.description());
}

} // namespace

std::optional<QString> backUpBeforeOperation(Database& db, const QString& programFolder,
                                             const QString& key, const QString& reason) {
    try {
        backups::take(db, programFolder, key, reason, platform::services().now());
    } catch (const EngineError& error) {
        return noCopyMade(error);
    }
    return std::nullopt;
}

FirstLoginBackup backUpAtFirstLoginOfDay(RunState& state) {
    if (backups::takenOn(state.programFolder, platform::services().now().date(),
                         backups::reason::firstLogin))
        return {};
    try {
        return {std::nullopt, backups::takeCheckingLater(
                                  state.db(), state.programFolder, state.loginPassword,
                                  backups::reason::firstLogin, platform::services().now())};
    } catch (const EngineError& error) {
        return {noCopyMade(error), std::nullopt};
    }
}
