#include "store/startup/password_change.h"

#include "core/common/files.h"
#include "store/common/database_copy.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>

namespace {

OpenOptions exclusiveWith(const QString& password) {
    return OpenOptions{password, true, false};
}

EngineError unchanged(const EngineError& error) {
    return EngineError(error.number(), error.description() + u' ' +
                                           QObject::tr("The password has not been changed."));
}

} // namespace

QString rekeyedCopyPath(const QString& databasePath) {
    return databasePath + QStringLiteral("-newkey");
}

void changeDatabasePassword(std::optional<Database>& login, const QString& oldPassword,
                            const QString& newPassword) {
    const QString path = login->path();
    const QString copyPath = rekeyedCopyPath(path);
    files::removeDatabaseAt(copyPath);
    try {
        writeVerifiedCopy(*login, copyPath, newPassword);
    } catch (const EngineError& error) {
        files::removeDatabaseAt(copyPath);
        throw unchanged(error);
    }
    login.reset(); // the rename must not leave a connection on the replaced file
    if (!files::replaceFile(copyPath, path)) {
        files::removeDatabaseAt(copyPath);
        login = Database::open(path, exclusiveWith(oldPassword));
        throw EngineError(engine::ReadOnly,
                          QObject::tr("The database file '%1' cannot be replaced. The password "
                                      "has not been changed.")
                              .arg(QFileInfo(path).fileName()));
    }
    login = Database::open(path, exclusiveWith(newPassword));
    readWhole(*login);
}
