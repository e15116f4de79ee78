#include "core/import/workbook_package.h"

#include "core/import/xlsx_normal_form.h"
#include "core/import/zip_package.h"

#include <QHash>
#include <QObject>
#include <optional>

namespace {

using zippackage::Directory;
using zippackage::Entry;

const QByteArray compoundFileSignature = QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
const QString relations = QStringLiteral("xl/_rels/workbook.xml.rels");
const QString contentTypes = QStringLiteral("[Content_Types].xml");
const QString sharedStrings = QStringLiteral("xl/sharedStrings.xml");

QString kindName(WorkbookKind kind) {
    return kind == WorkbookKind::Xlsx ? QObject::tr("an .xlsx workbook")
                                      : QObject::tr("an .ods spreadsheet");
}

std::optional<QString> expansionRefusal(const Directory& directory) {
    if (directory.entries.size() > mostPackageEntries)
        return QObject::tr("it holds more than %1 parts").arg(mostPackageEntries);
    qint64 total = 0;
    for (const Entry& entry : directory.entries) {
        if (entry.flags & 1)
            return QObject::tr("it is encrypted with a password");
        if (entry.method != 0 && entry.method != 8)
            return QObject::tr("its part '%1' is compressed in a way no workbook uses")
                .arg(entry.name);
        total += entry.size;
        const bool tooLarge = entry.size > largestExpandedEntry;
        const bool bomb = entry.size > smallEntry &&
                          entry.size > mostExpansion * qMax<qint64>(1, entry.compressedSize);
        if (tooLarge || bomb || total > largestExpandedPackage)
            return QObject::tr("its part '%1' expands to %2 MB, far more than a workbook holds")
                .arg(entry.name)
                .arg(entry.size / (1024 * 1024));
    }
    return std::nullopt;
}

bool hasEntryUnder(const Directory& directory, const QString& prefix) {
    for (const Entry& entry : directory.entries)
        if (entry.name.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    return false;
}

bool hasEntryNamed(const Directory& directory, const QString& fileName) {
    for (const Entry& entry : directory.entries)
        if (entry.name.section(u'/', -1).compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

std::optional<QByteArray> expanded(const QByteArray& bytes, const Directory& directory,
                                   const QString& name) {
    const Entry* entry = directory.find(name);
    return entry ? zippackage::expand(bytes, *entry) : std::nullopt;
}

std::optional<QString> xlsxRefusal(const QByteArray& bytes, const Directory& directory) {
    const std::optional<QByteArray> types = expanded(bytes, directory, contentTypes);
    if (!types || !directory.find(QStringLiteral("xl/workbook.xml")))
        return QObject::tr("it is a zip file but no .xlsx workbook");
    if (hasEntryUnder(directory, QStringLiteral("xl/externalLinks/")))
        return QObject::tr("it links to other workbooks (external links), which are never "
                           "followed");
    if (hasEntryNamed(directory, QStringLiteral("vbaProject.bin")) ||
        types->contains("macroEnabled"))
        return QObject::tr("it carries macros, which are never run");
    return std::nullopt;
}

std::optional<QString> odsRefusal(const QByteArray& bytes, const Directory& directory) {
    const std::optional<QByteArray> mimetype =
        expanded(bytes, directory, QStringLiteral("mimetype"));
    if (!mimetype || mimetype->trimmed() != "application/vnd.oasis.opendocument.spreadsheet")
        return QObject::tr("it is a zip file but no .ods spreadsheet");
    const std::optional<QByteArray> manifest =
        expanded(bytes, directory, QStringLiteral("META-INF/manifest.xml"));
    if (manifest && manifest->contains("encryption-data"))
        return QObject::tr("it is encrypted with a password");
    if (hasEntryUnder(directory, QStringLiteral("Basic/")) ||
        hasEntryUnder(directory, QStringLiteral("Scripts/")))
        return QObject::tr("it carries macros, which are never run");
    return std::nullopt;
}

CheckedPackage refused(const QString& fileName, const QString& why) {
    return {{}, QObject::tr("The file '%1' cannot be imported: %2.").arg(fileName, why)};
}

} // namespace

CheckedPackage checkedPackage(const QByteArray& bytes, WorkbookKind kind, const QString& fileName) {
    if (bytes.size() > largestWorkbookBytes)
        return refused(fileName, QObject::tr("it is larger than %1 MB, the most one import reads")
                                     .arg(largestWorkbookBytes / (1024 * 1024)));
    if (bytes.startsWith(compoundFileSignature))
        return refused(fileName, QObject::tr("it is encrypted with a password, or is an old "
                                             "binary workbook; save it as %1 without a password")
                                     .arg(kindName(kind)));
    if (!bytes.startsWith(zippackage::localSignature))
        return refused(fileName, QObject::tr("it is not %1").arg(kindName(kind)));
    const zippackage::Reading reading = zippackage::readDirectory(bytes);
    if (!reading.directory)
        return refused(fileName, QObject::tr("it is damaged: %1").arg(reading.damage));
    std::optional<QString> why = expansionRefusal(*reading.directory);
    if (!why)
        why = kind == WorkbookKind::Xlsx ? xlsxRefusal(bytes, *reading.directory)
                                         : odsRefusal(bytes, *reading.directory);
    if (why)
        return refused(fileName, *why);
    if (kind == WorkbookKind::Ods)
        return {bytes, {}};
    // Inline texts are left for the reader: a sheet read in parts gives each part a table of
    // its own, and only a sheet read whole needs them all in one.
    const QByteArray ordinary = withRelativeTargets(bytes, *reading.directory);
    if (ordinary.isEmpty())
        return refused(fileName, QObject::tr("it is damaged: a part cannot be expanded"));
    return {ordinary, {}};
}
