#include "store/archive/archive.h"

#include "core/common/files.h"
#include "store/common/rows.h"
#include "store/employer/employer_table.h"
#include "store/submission/control_list.h"
#include "store/submission/medium_copy.h"
#include "store/submission/submission_database.h"

#include <QDir>
#include <QObject>
#include <algorithm>

namespace archive {
namespace {

// The entries' folders, newest first: their names begin with the date and time of the save.
QStringList entryFolders(const QString& returnFolder) {
    const QDir folder(files::inFolder(returnFolder, folderName));
    QStringList names = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    std::reverse(names.begin(), names.end());
    QStringList folders;
    for (const QString& name : names)
        if (isEntry(folder.filePath(name)))
            folders << folder.filePath(name);
    return folders;
}

QString failedChecks(const QList<SubmissionCheck>& checks) {
    QStringList failed;
    for (const SubmissionCheck& check : checks)
        if (!check.holds())
            failed << check.name;
    return failed.isEmpty() ? QString()
                            : QObject::tr("These checks fail: %1.").arg(failed.join(u", "));
}

Listed listed(const QString& entryFolder, const QString& password, bool check) {
    Listed entry{entryFolder, std::nullopt, Standing::DoesNotOpen, {}};
    try {
        Database db = openEntry(entryFolder, password);
        entry.summary = readSummary(db);
    } catch (const EngineError& error) {
        entry.problem = error.description();
        return entry;
    }
    entry.standing = Standing::Verifies;
    if (!check)
        return entry;
    try {
        entry.problem = failedChecks(verifyEntry(entryFolder, password));
    } catch (const EngineError& error) {
        entry.problem = error.description();
    }
    if (!entry.problem.isEmpty())
        entry.standing = Standing::DoesNotVerify;
    return entry;
}

std::optional<Database> openWithAny(const QString& entryFolder, const QStringList& passwords) {
    for (const QString& password : passwords) {
        try {
            return openEntry(entryFolder, password);
        } catch (const EngineError&) {
        }
    }
    return std::nullopt;
}

std::optional<Summary> summaryWithAny(const QString& entryFolder, const QStringList& passwords) {
    std::optional<Database> entry = openWithAny(entryFolder, passwords);
    try {
        if (entry)
            return readSummary(*entry);
    } catch (const EngineError&) {
    }
    return std::nullopt;
}

ArchivedReturn readReturn(const QString& entryFolder, Database& entry) {
    ArchivedReturn found{entryFolder, readSummary(entry), {}, {}};
    const TakenOut pair(entry);
    Database submission = openForReading(pair.submissionPath());
    found.employer =
        employertable::readEmployerValues(submission, employertable::Holder::Submission);
    Statement read = submission.prepare(
        QStringLiteral("SELECT %1 FROM %2 ORDER BY SheetNo+1000000")
            .arg(columnList(employeeColumns()), QLatin1String(submissionEmployeeTable)));
    while (read.next())
        found.employees.push_back(readRow(read, employeeColumns()));
    return found;
}

// The control list over files taken out of the entry, which go when the list does: the list,
// declared last, closes its files first.
class ArchivedControlList : public report::Report {
public:
    explicit ArchivedControlList(Database& entry)
        : m_pair(entry)
        , m_list(ControlList::open(m_pair.submissionPath(), m_pair.logPath())) {}
    int pageCount() const override { return m_list->pageCount(); }
    report::Page page(int index) const override { return m_list->page(index); }

private:
    TakenOut m_pair;
    std::shared_ptr<ControlList> m_list;
};

} // namespace

QList<Listed> list(const QString& returnFolder, const QString& password, bool check) {
    QList<Listed> entries;
    for (const QString& folder : entryFolders(returnFolder))
        entries << listed(folder, password, check);
    return entries;
}

QList<SubmissionCheck> verifyEntry(const QString& entryFolder, const QString& password) {
    Database entry = openEntry(entryFolder, password);
    const TakenOut pair(entry);
    return verifySubmission(pair.submissionPath());
}

QString standingText(Standing standing) {
    switch (standing) {
    case Standing::Verifies:
        return QObject::tr("verifies");
    case Standing::DoesNotVerify:
        return QObject::tr("does not verify");
    case Standing::DoesNotOpen:
        break;
    }
    return QObject::tr("does not open");
}

std::optional<ArchivedReturn> latestOfYear(const QString& returnYear,
                                           const QStringList& returnFolders,
                                           const QStringList& passwords) {
    std::optional<QString> latestFolder;
    QDateTime latestSave;
    for (const QString& returnFolder : returnFolders)
        for (const QString& folder : entryFolders(returnFolder)) {
            const std::optional<Summary> summary = summaryWithAny(folder, passwords);
            if (summary && summary->returnYear == returnYear &&
                (!latestFolder || summary->savedAt > latestSave)) {
                latestFolder = folder;
                latestSave = summary->savedAt;
            }
        }
    if (!latestFolder)
        return std::nullopt;
    std::optional<Database> entry = openWithAny(*latestFolder, passwords);
    return readReturn(*latestFolder, *entry);
}

std::shared_ptr<const report::Report> openControlList(const QString& entryFolder,
                                                      const QString& password) {
    Database entry = openEntry(entryFolder, password);
    return std::make_shared<ArchivedControlList>(entry);
}

qint64 submissionSize(const QString& entryFolder, const QString& password) {
    Database entry = openEntry(entryFolder, password);
    return readPart(entry, Part::Submission).size();
}

void copyToMedium(const QString& entryFolder, const QString& password, const QString& target,
                  const std::function<void(int permille)>& progress) {
    Database entry = openEntry(entryFolder, password);
    const TakenOut pair(entry);
    mediumcopy::copySubmissionAndLog(pair.submissionPath(), pair.logPath(), target, progress);
}

} // namespace archive
