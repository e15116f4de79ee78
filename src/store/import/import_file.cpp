#include "store/import/import_file.h"

#include "core/common/engine_error.h"
#include "core/import/workbook_package.h"
#include "core/import/workbook_reader.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

std::optional<WorkbookKind> workbookKind(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("xlsx") || suffix == QStringLiteral("xlsm"))
        return WorkbookKind::Xlsx;
    if (suffix == QStringLiteral("ods"))
        return WorkbookKind::Ods;
    return std::nullopt;
}

EngineError refusal(const QString& why) {
    return EngineError(engine::InvalidArgument, why);
}

// The file's bytes, refused by its size before they are read and read no further than the most
// an import takes (a file that grows meanwhile is refused as well).
QByteArray readLimited(const QString& path, qint64 limit,
                       const std::function<std::optional<QString>(qint64)>& sizeRefusal) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EngineError(
            engine::FileNotFound,
            QObject::tr("The file '%1' cannot be read: %2").arg(path, file.errorString()));
    if (const std::optional<QString> refused = sizeRefusal(file.size()))
        throw refusal(*refused);
    QByteArray bytes = file.read(limit + 1);
    if (const std::optional<QString> refused = sizeRefusal(bytes.size()))
        throw refusal(*refused);
    return bytes;
}

QByteArray checkedWorkbook(const QString& path, WorkbookKind kind) {
    const QString name = QFileInfo(path).fileName();
    const auto tooLarge = [&](qint64 size) -> std::optional<QString> {
        if (size <= largestWorkbookBytes)
            return std::nullopt;
        return QObject::tr("The file '%1' cannot be imported: it is larger than %2 MB, the most "
                           "one import reads.")
            .arg(name)
            .arg(largestWorkbookBytes / (1024 * 1024));
    };
    CheckedPackage checked =
        checkedPackage(readLimited(path, largestWorkbookBytes, tooLarge), kind, name);
    if (!checked.refusal.isEmpty())
        throw refusal(checked.refusal);
    return std::move(checked.bytes);
}

// A workbook under a CSV file's name is refused rather than read as text.
QString checkedText(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QByteArray bytes = readLimited(path, largestImportBytes,
                                   [&name](qint64 size) { return importSizeRefusal(name, size); });
    if (bytes.startsWith("PK\x03\x04") || bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        throw refusal(QObject::tr("The file '%1' cannot be imported: it is a workbook or another "
                                  "packed file, not a CSV text. Import an .xlsx or .ods "
                                  "workbook under its own name.")
                          .arg(name));
    std::optional<QString> text = csv::decodeFile(bytes);
    if (!text)
        throw EngineError(
            engine::TypeMismatch,
            QObject::tr("The file '%1' is neither UTF-8 nor Big5-HKSCS text.").arg(name));
    return std::move(*text);
}

int sheetIndex(const QStringList& names, const QString& sheet, const QString& fileName) {
    if (sheet.isEmpty())
        return 0;
    const qsizetype index = names.indexOf(sheet);
    if (index < 0)
        throw refusal(QObject::tr("The file '%1' has no sheet named '%2'. Its sheets are: %3.")
                          .arg(fileName, sheet, names.join(QStringLiteral(", "))));
    return static_cast<int>(index);
}

} // namespace

QStringList importSheets(const QString& path) {
    const std::optional<WorkbookKind> kind = workbookKind(path);
    if (!kind)
        return {};
    return workbook::sheetNames(checkedWorkbook(path, *kind), *kind, QFileInfo(path).fileName());
}

ImportPlan planFileImport(const QString& path, const QString& sheet, const EmployerData& employer,
                          const QHash<QString, qint64>& knownIdentities,
                          const ImportSettings& settings) {
    const std::optional<WorkbookKind> kind = workbookKind(path);
    if (!kind)
        return planImport(checkedText(path), employer, knownIdentities, settings);
    const QString name = QFileInfo(path).fileName();
    QByteArray package = checkedWorkbook(path, *kind);
    const int index = sheetIndex(
        sheet.isEmpty() ? QStringList{} : workbook::sheetNames(package, *kind, name), sheet, name);
    const auto rows = [&](const std::function<void(const csv::Record&)>& take) {
        workbook::forEachRow(std::move(package), *kind, index, name, take);
    };
    return planImportRows(rows, employer, knownIdentities, settings);
}
