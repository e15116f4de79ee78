#include "store/startup/login.h"

#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/startup/paths.h"
#include "store/common/schema.h"
#include "store/startup/run_state.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QScopeGuard>

namespace {

// Opens the login connection; on failure the state is left without one.
std::optional<EngineError> openLogin(RunState& state, const QString& password, bool readTables) {
    state.login.reset();
    auto dropOnFailure = qScopeGuard([&state] { state.login.reset(); });
    try {
        state.login = Database::open(databasePath(state.programFolder, DatabaseFile::Working),
                                     OpenOptions{.password = password, .exclusive = true});
        if (readTables)
            state.login->exec(QStringLiteral("select count(*) from employer; "
                                             "select max(rowid) from employee"));
    } catch (const EngineError& error) {
        return error;
    }
    dropOnFailure.dismiss();
    return std::nullopt;
}

// The image, and the work file of one whose writing was cut off: it holds the return in plain
// text too.
void deleteImageFile(const QString& imagePath) {
    const QFileInfo image(imagePath);
    for (const QString& name : {image.fileName(), image.fileName() + QLatin1String(workFileSuffix)})
        if (!files::remove(image.absolutePath(), name))
            throw EngineError(
                engine::PathFileAccess,
                QObject::tr("The file '%1' cannot be deleted.")
                    .arg(QDir::toNativeSeparators(image.absolutePath() + u'/' + name)));
}

} // namespace

std::optional<EngineError> logIn(RunState& state, const QString& password) {
    std::optional<EngineError> failure = openLogin(state, password, true);
    if (!failure)
        state.loginPassword = password;
    return failure;
}

LoginRefusal loginRefusal(const EngineError& error, std::uint8_t attemptsLeft) {
    const int number = error.number();
    if (number != engine::NotValidPassword && number != engine::InvalidArgument) {
        // A database held by another copy of the program is said in words; its number would
        // tell the user nothing more.
        return {number == engine::InUse ? error.description()
                                        : error.description() + u' ' + QString::number(number),
                true, false};
    }
    if (attemptsLeft > 0)
        return {QObject::tr("Login attempt failed.  Try again?   (Incorrect Password.)"), false,
                true};
    return {QObject::tr("Login failed."), true, false};
}

std::optional<EngineError> openWithOldPassword(RunState& state, const QString& oldPassword) {
    return openLogin(state, oldPassword, false);
}

void setUpRunFiles(RunState& state) {
    deleteTempFiles(state.programFolder);
    const ImagePaths paths = setUpPaths(state.programFolder);
    state.imagePath = paths.imagePath;
    deleteImageFile(state.imagePath);
}
