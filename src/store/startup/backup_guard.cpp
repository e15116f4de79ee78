#include "store/startup/backup_guard.h"

#include "core/common/message_boxes.h"
#include "core/platform/services.h"
#include "store/startup/backups.h"
#include "store/startup/run_state.h"

bool backUpBeforeOperation(Database& db, const QString& programFolder, const QString& key,
                           const QString& reason) {
    try {
        backups::take(db, programFolder, key, reason, platform::services().now());
        return true;
    } catch (const EngineError& error) {
        showError(QObject::tr("No backup copy of the database could be made: %1")
                      .arg(error.description()));
    }
    return confirm(QObject::tr("Do you want to go on without a backup copy?"));
}

bool backUpAtFirstLoginOfDay(RunState& state) {
    if (backups::takenOn(state.programFolder, platform::services().now().date(),
                         backups::reason::firstLogin))
        return true;
    return backUpBeforeOperation(state.db(), state.programFolder, state.loginPassword,
                                 backups::reason::firstLogin);
}
