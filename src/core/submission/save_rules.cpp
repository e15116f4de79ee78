#include "core/submission/save_rules.h"

#include "core/common/finished_file.h"
#include "core/submission/log_record.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <algorithm>

namespace saverules {

bool isFileNameKey(int characterCode) {
    return characterCode == 8 || (characterCode >= 46 && characterCode <= 122);
}

QString targetPathOf(const QString& typedName) {
    QString path = typedName.trimmed();
    return path.replace(u'\\', u'/');
}

QString defaultTargetPath(const QString& mediumFolder, const QString& fileNumber) {
    QString folder = mediumFolder;
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    return folder + fileNumber + QStringLiteral(".MDB");
}

bool isOnMedium(const QString& targetPath, const QString& mediumFolder) {
    const QString medium = QDir::cleanPath(QDir::fromNativeSeparators(mediumFolder));
    const QString folder =
        QFileInfo(QDir::cleanPath(QDir::fromNativeSeparators(targetPath))).path();
    return folder == medium || folder.startsWith(medium.endsWith(u'/') ? medium : medium + u'/');
}

std::optional<QString> fileNameProblem(const QString& text, const QString& fileNumber,
                                       bool oversize, const QString& mediumFolder) {
    if (text.trimmed().contains(u' '))
        return spaceText();
    const QString expected = fileNumber + QStringLiteral(".MDB");
    const QString tail = text.right(expected.size() + 1).toUpper();
    if (tail != u'/' + expected && tail != u'\\' + expected)
        return QObject::tr("File name cannot be changed.  Please enter as '") + expected +
               QObject::tr("' again!");
    if (oversize && isOnMedium(targetPathOf(text), mediumFolder))
        return changeDriveText();
    return std::nullopt;
}

QStringList filesOnMedium(const QString& mediumFolder) {
    // Without QDir::Hidden the listing leaves out hidden files, as a listing of normal files does.
    return QDir(mediumFolder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

bool isBlankMedium(const QString& mediumFolder) {
    return filesOnMedium(mediumFolder).isEmpty();
}

QStringList interruptedSaveFiles(const QStringList& fileNames) {
    static const QRegularExpression submission(QStringLiteral("^[0-9]{8}\\.mdb$"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QString suffix = QLatin1String(workFileSuffix);
    const auto isSubmission = [](const QString& name) { return submission.match(name).hasMatch(); };
    const auto isLog = [](const QString& name) {
        return name.compare(logFileName, Qt::CaseInsensitive) == 0;
    };
    const auto isSaveFile = [&](const QString& name) {
        const QString base =
            name.endsWith(suffix, Qt::CaseInsensitive) ? name.chopped(suffix.size()) : name;
        return isLog(base) || isSubmission(base);
    };
    // A submission with its log beside it is a finished save, not a leftover.
    if (std::ranges::any_of(fileNames, isLog) && std::ranges::any_of(fileNames, isSubmission))
        return {};
    return std::ranges::all_of(fileNames, isSaveFile) ? fileNames : QStringList();
}

QString interruptedSaveQuestion(const QStringList& fileNames) {
    return QObject::tr("The medium holds files left by a save that did not finish: %1.  Do you "
                       "want them removed, so that the return can be saved on this medium?")
        .arg(fileNames.join(QStringLiteral(", ")));
}

// A file is made and removed again: permission bits alone do not tell a read-only mount, and
// the administrator passes every permission test.
bool canWriteTo(const QString& targetPath) {
    const QString path = QDir::fromNativeSeparators(targetPath);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir::isAbsolutePath(path) || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.xw73d-probe-XXXXXX"));
    return probe.open();
}

ScreenLook lookOf(ScreenState state) {
    switch (state) {
    case ScreenState::ReadyNormal:
        return {true, false, false, false, true, true, false};
    case ScreenState::ReadyOversize:
        return {false, true, false, false, true, true, false};
    case ScreenState::SavingNormal:
        return {false, false, false, true, false, false, true};
    case ScreenState::SavingOversize:
        return {false, false, true, false, false, false, true};
    }
    return {};
}

} // namespace saverules
