#include "startup/backup_guard.h"

#include "common/message_boxes.h"
#include "platform/services.h"
#include "startup/run_state.h"
#include "store/backups.h"

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
