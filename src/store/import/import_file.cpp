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
    // Room for the size the file has, and one byte more to see whether it grew since; only a
    // file that did is read on to the limit. Asking for the limit at once would reserve it whole.
    const qint64 size = file.size();
    QByteArray bytes(size + 1, Qt::Uninitialized);
    bytes.resize(qMax<qint64>(0, file.read(bytes.data(), bytes.size())));
    if (bytes.size() > size)
        bytes += file.read(limit + 1 - bytes.size());
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

EngineError undecodable(const QString& name) {
    return EngineError(
        engine::TypeMismatch,
        QObject::tr("The file '%1' is neither UTF-8 nor Big5-HKSCS text.").arg(name));
}

// The dry run of a CSV file read a piece at a time, so that its text is never held whole while
// the rows are planned. A workbook under a CSV file's name is refused rather than read as text.
ImportPlan planTextFile(const QString& path, const EmployerData& employer,
                        const QHash<QString, qint64>& knownIdentities,
                        const ImportSettings& settings) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EngineError(
            engine::FileNotFound,
            QObject::tr("The file '%1' cannot be read: %2").arg(path, file.errorString()));
    if (const std::optional<QString> refused = importSizeRefusal(name, file.size()))
        throw refusal(*refused);
    if (const QByteArray start = file.peek(8);
        start.startsWith("PK\x03\x04") || start.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        throw refusal(QObject::tr("The file '%1' cannot be imported: it is a workbook or another "
                                  "packed file, not a CSV text. Import an .xlsx or .ods "
                                  "workbook under its own name.")
                          .arg(name));
    const std::optional<csv::FileEncoding> encoding = csv::fileEncoding(file, largestImportBytes);
    if (!encoding)
        throw undecodable(name);
    const auto records = [&](const csv::TakeRecord& take, const csv::ExpectRecords&) {
        if (csv::forEachRecordOfFile(file, largestImportBytes, *encoding, take))
            return;
        // A file that grew past the limit while it was read is refused as one too large.
        if (const std::optional<QString> refused = importSizeRefusal(name, file.size()))
            throw refusal(*refused);
        throw undecodable(name);
    };
    return planImportRows(records, employer, knownIdentities, settings);
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
        return planTextFile(path, employer, knownIdentities, settings);
    const QString name = QFileInfo(path).fileName();
    QByteArray package = checkedWorkbook(path, *kind);
    const int index = sheetIndex(
        sheet.isEmpty() ? QStringList{} : workbook::sheetNames(package, *kind, name), sheet, name);
    const auto rows = [&](const csv::TakeRecord& take, const csv::ExpectRecords& expect) {
        workbook::forEachRow(std::move(package), *kind, index, name, take, expect);
    };
    return planImportRows(rows, employer, knownIdentities, settings);
}
