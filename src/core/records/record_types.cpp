#include "core/records/record_types.h"

namespace recordtype {

QString code(char16_t type) {
    return QString(QChar(type));
}

int indexOf(const QString& status) {
    for (std::size_t i = 0; i < recordTypes.size(); ++i)
        if (status == code(recordTypes[i]))
            return static_cast<int>(i);
    return -1;
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
