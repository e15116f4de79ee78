#include "store/startup/backup_guard.h"

#include "core/common/engine_error.h"
#include "core/platform/services.h"
#include "store/startup/backups.h"
#include "store/startup/run_state.h"

#include <QObject>

std::optional<QString> backUpBeforeOperation(Database& db, const QString& programFolder,
                                             const QString& key, const QString& reason) {
    try {
        backups::take(db, programFolder, key, reason, platform::services().now());
    } catch (const EngineError& error) {
        return QObject::tr("No backup copy of the database could be made: %1")
            .arg(error.description());
    }
    return std::nullopt;
}

std::optional<QString> backUpAtFirstLoginOfDay(RunState& state) {
    if (backups::takenOn(state.programFolder, platform::services().now().date(),
                         backups::reason::firstLogin))
        return std::nullopt;
    return backUpBeforeOperation(state.db(), state.programFolder, state.loginPassword,
                                 backups::reason::firstLogin);
}
