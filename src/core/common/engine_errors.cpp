#include "core/common/engine_errors.h"

#include <QObject>

EngineError fileError(const QString& path, const QString& reason) {
    return EngineError(engine::PathFileAccess,
                       QObject::tr("The file '%1' cannot be written: %2").arg(path, reason));
}
