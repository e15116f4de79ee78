#include "core/records/record_types.h"

namespace recordtype {

QString code(char16_t type) {
    return QString(QChar(type));
}

bool isPlaceholder(const QVariant& status) {
    return status.toString().trimmed().compare(code(placeholder), Qt::CaseInsensitive) == 0;
}

QString realRecordsCondition() {
    return QStringLiteral("Status <> '%1'").arg(code(placeholder));
}

QString placeholderCondition() {
    return QStringLiteral("Status = '%1'").arg(code(placeholder));
}

} // namespace recordtype
