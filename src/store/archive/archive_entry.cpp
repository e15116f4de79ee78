#include "store/archive/archive_entry.h"

#include "core/common/engine_errors.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/common/version.h"
#include "core/reports/pdf_names.h"
#include "core/submission/log_record.h"
#include "store/submission/control_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <array>

namespace archive {
namespace {

const QString timeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

struct KeptPart {
    Part part;
    QString name;
    QByteArray bytes;
};

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || bytes.size() != file.size())
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("The file '%1' cannot be read whole: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!files::openPrivateFile(file) || file.write(bytes) != bytes.size() || !file.flush())
        throw fileError(path, file.errorString());
}

Summary summaryOf(const ControlList& list, const QString& target, const QDateTime& savedAt) {
    const controllist::Heading& heading = list.heading();
    return {target,
            savedAt,
            heading.log.totalRecords.toLongLong(),
            heading.log.totalIncome.toLongLong(),
            heading.log.code,
            programVersion(),
            heading.returnYear,
            heading.fileNumber,
            QFileInfo(target).fileName()};
}

void createTables(Database& entry) {
    entry.exec(QStringLiteral("CREATE TABLE parts(part INTEGER PRIMARY KEY, name TEXT NOT NULL, "
                              "bytes BLOB NOT NULL)"));
    entry.exec(QStringLiteral(
        "CREATE TABLE summary(target TEXT, saved_at TEXT, records INTEGER, income INTEGER, "
        "digest TEXT, program_version TEXT, return_year TEXT, file_number TEXT, "
        "submission_name TEXT)"));
}

void writeEntry(const QString& path, const QString& password, const QList<KeptPart>& parts,
                const Summary& summary) {
    Database entry = Database::create(path, entryFormat, password);
    createTables(entry);
    Transaction transaction(entry);
    Statement insert = entry.prepare(QStringLiteral("INSERT INTO parts VALUES(?1, ?2, ?3)"));
    for (const KeptPart& kept : parts) {
        insert.reset();
        insert.bind(1, int(kept.part)).bind(2, kept.name).bind(3, kept.bytes).run();
    }
    entry.prepare(QStringLiteral("INSERT INTO summary VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"))
        .bind(1, summary.target)
        .bind(2, summary.savedAt.toString(timeFormat))
        .bind(3, summary.records)
        .bind(4, summary.income)
        .bind(5, summary.digest)
        .bind(6, summary.programVersion)
        .bind(7, summary.returnYear)
        .bind(8, summary.fileNumber)
        .bind(9, summary.submissionName)
        .run();
    transaction.commit();
}

// The entry as written, read back with the password: every part the same bytes as was kept.
void requireReadsBack(const QString& path, const QString& password, const QList<KeptPart>& parts) {
    Database entry = Database::open(path, {.password = password, .readOnly = true});
    for (const KeptPart& kept : parts)
        if (readPart(entry, kept.part) != kept.bytes)
            throw fileError(path, QObject::tr("The kept copy of '%1' does not read back as it "
                                              "was written.")
                                      .arg(kept.name));
}

// A new folder for the entry, named after the time of the save; a second save within the same
// second gets "-2", "-3".
QString makeEntryFolder(const QString& returnFolder, const QDateTime& savedAt) {
    const QString archiveFolder = files::inFolder(returnFolder, folderName);
    if (!QFileInfo(archiveFolder).isDir() && !files::makePrivateFolder(archiveFolder))
        throw fileError(archiveFolder, QObject::tr("The archive folder cannot be made."));
    const QString base = savedAt.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString folder = QDir(archiveFolder).filePath(base);
    for (int sequence = 2; QFileInfo::exists(folder); ++sequence)
        folder = QDir(archiveFolder).filePath(base + u'-' + QString::number(sequence));
    if (!files::makePrivateFolder(folder))
        throw fileError(folder, QObject::tr("The archive folder does not take a new entry."));
    return folder;
}

QList<KeptPart> partsOf(const QString& target, const ControlList& list,
                        const PdfRenderer& renderPdf) {
    const QByteArray pdf = renderPdf(list);
    if (pdf.isEmpty())
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("The control list could not be drawn for the archive."));
    return {{Part::Submission, QFileInfo(target).fileName(), readWholeFile(target)},
            {Part::Log, logFileName, readWholeFile(logPathOnMedium(target))},
            {Part::ControlList, pdfname::controlListFileName(list.heading().returnYear), pdf}};
}

} // namespace

QString keep(const QString& returnFolder, const QString& target, const ControlList& list,
             const QString& password, const QDateTime& savedAt, const PdfRenderer& renderPdf) {
    // An entry without a key would lie on the disk in plain text for years.
    if (password.isEmpty())
        throw EngineError(engine::NotValidPassword,
                          QObject::tr("The archive needs the return's password."));
    const QList<KeptPart> parts = partsOf(target, list, renderPdf);
    const QString folder = makeEntryFolder(returnFolder, savedAt);
    const QString path = QDir(folder).filePath(entryFileName);
    const QString work = path + QLatin1String(workFileSuffix);
    try {
        writeEntry(work, password, parts, summaryOf(list, target, savedAt));
        requireReadsBack(work, password, parts);
        if (!files::replaceFile(work, path))
            throw fileError(path, QObject::tr("The entry cannot take its name."));
    } catch (const EngineError&) {
        files::removeDatabaseAt(work);
        QDir().rmdir(folder);
        throw;
    }
    return folder;
}

void removeWorkFiles(const QString& returnFolder) {
    const QDir archiveFolder(files::inFolder(returnFolder, folderName));
    const QString work = entryFileName + QLatin1String(workFileSuffix);
    for (const QString& name : archiveFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = archiveFolder.filePath(name);
        files::removeDatabaseAt(QDir(folder).filePath(work));
        QDir().rmdir(folder); // only when nothing else is in it
    }
}

Database openEntry(const QString& entryFolder, const QString& password) {
    return Database::open(QDir(entryFolder).filePath(entryFileName),
                          {.password = password, .exclusive = false, .readOnly = true});
}

bool isEntry(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return QFileInfo(QDir(path).filePath(entryFileName)).isFile();
    return info.isFile() && info.fileName() == entryFileName;
}

QString entryFolderOf(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() ? info.absoluteFilePath() : info.absolutePath();
}

Summary readSummary(Database& entry) {
    Statement read = entry.prepare(QStringLiteral(
        "SELECT target, saved_at, records, income, digest, program_version, return_year, "
        "file_number, submission_name FROM summary"));
    if (!read.next())
        throw EngineError(engine::NoCurrentRecord,
                          QObject::tr("The archive entry '%1' holds no summary.")
                              .arg(QDir::toNativeSeparators(entry.path())));
    return {read.value(0).toString(),   QDateTime::fromString(read.value(1).toString(), timeFormat),
            read.value(2).toLongLong(), read.value(3).toLongLong(),
            read.value(4).toString(),   read.value(5).toString(),
            read.value(6).toString(),   read.value(7).toString(),
            read.value(8).toString()};
}

namespace {
Statement partQuery(Database& entry, Part part) {
    Statement read = entry.prepare(QStringLiteral("SELECT name, bytes FROM parts WHERE part = ?1"));
    if (!read.bind(1, int(part)).next())
        throw EngineError(engine::NoCurrentRecord,
                          QObject::tr("The archive entry '%1' is missing one of its files.")
                              .arg(QDir::toNativeSeparators(entry.path())));
    return read;
}
} // namespace

QByteArray readPart(Database& entry, Part part) {
    return partQuery(entry, part).value(1).toByteArray();
}

QString partName(Database& entry, Part part) {
    return partQuery(entry, part).value(0).toString();
}

TakenOut::TakenOut(Database& entry) {
    if (!m_folder.isValid())
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("No private folder can be made to take out the archived "
                                      "submission."));
    // Only the name part: an entry never places a file outside this folder.
    m_submission = m_folder.filePath(QFileInfo(partName(entry, Part::Submission)).fileName());
    m_log = m_folder.filePath(QFileInfo(partName(entry, Part::Log)).fileName());
    writeWholeFile(m_submission, readPart(entry, Part::Submission));
    writeWholeFile(m_log, readPart(entry, Part::Log));
}

} // namespace archive
