#include "core/startup/password_rules.h"

#include <QObject>

namespace {

bool allowedInPassword(QChar c) {
    const char16_t code = c.unicode();
    return (code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'Z') ||
           (code >= u'a' && code <= u'z') || code == 8;
}

} // namespace

std::optional<QString> newPasswordRefusal(const QString& newPassword, const QString& retyped) {
    if (newPassword.size() < 3)
        return QObject::tr("New password is too short.  Please type as least three characters!");
    for (QChar c : newPassword)
        if (!allowedInPassword(c))
            return QObject::tr(
                "Password contains invalid characters.  Please retype new password.");
    if (retyped != newPassword)
        return QObject::tr("New password is not matched.  Please retype new password!");
    return std::nullopt;
}
