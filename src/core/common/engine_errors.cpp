#include "core/common/engine_errors.h"

#include <QObject>

EngineError noEmployerRow() {
    return EngineError(engine::NoCurrentRecord,
                       QObject::tr("The working database has no employer row."));
}

EngineError fileError(const QString& path, const QString& reason) {
    return EngineError(engine::PathFileAccess,
                       QObject::tr("The file '%1' cannot be written: %2").arg(path, reason));
}
