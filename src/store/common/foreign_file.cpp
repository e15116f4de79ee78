#include "store/common/foreign_file.h"

#include "core/common/engine_error.h"
#include "store/common/database.h"
#include "store/common/foreign_file_child.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Outcome = ForeignFileVerdict::Outcome;

// No sound report comes near this; a longer one is not read.
constexpr qsizetype largestReport = 4 << 20;

ForeignFileVerdict failedBecause(const QString& reason) {
    return {Outcome::Failed, {}, reason};
}

QString tookTooLong() {
    return QObject::tr("reading it did not finish within %1 seconds").arg(inspectionSeconds);
}

// The child may use this much more than the program holds when it starts it.
rlim_t childAddressSpace() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    qint64 pages = 0;
    if (statm.open(QIODevice::ReadOnly))
        pages = statm.readAll().split(' ').value(0).toLongLong();
    return rlim_t(pages * sysconf(_SC_PAGESIZE) + inspectionMemoryBytes);
}

// What the child wrote, until it ends or its time is up; then it is gone.
QByteArray collectReport(pid_t child, int in, int& status, bool& timedOut) {
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + seconds(inspectionSeconds + 2);
    QByteArray report;
    timedOut = false;
    for (;;) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        pollfd wait{in, POLLIN, 0};
        const int ready = left > 0 ? poll(&wait, 1, int(left)) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        char buffer[16384];
        const ssize_t got = ready > 0 ? read(in, buffer, sizeof buffer) : -1;
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || report.size() > largestReport) {
            timedOut = got < 0;
            break;
        }
        report.append(buffer, got);
    }
    if (timedOut || report.size() > largestReport)
        kill(child, SIGKILL);
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return report;
}

// Reads the report's fields one after the other.
class Fields {
public:
    explicit Fields(const QByteArray& report)
        : m_report(report) {}

    bool next(QByteArray& field) {
        const qsizetype colon = m_report.indexOf(':', m_at);
        if (colon < 0)
            return false;
        bool ok = false;
        const qsizetype size = m_report.mid(m_at, colon - m_at).toLongLong(&ok);
        if (!ok || size < 0 || colon + 1 + size > m_report.size())
            return false;
        field = m_report.mid(colon + 1, size);
        m_at = colon + 1 + size;
        return true;
    }
    QString text() {
        QByteArray field;
        m_ok = m_ok && next(field);
        return QString::fromUtf8(field);
    }
    bool ok() const { return m_ok; }

private:
    const QByteArray& m_report;
    qsizetype m_at = 0;
    bool m_ok = true;
};

SchemaObject readObject(Fields& fields) {
    SchemaObject object;
    object.type = fields.text();
    object.name = fields.text();
    object.table = fields.text();
    object.sql = fields.text();
    object.realTable = fields.text() == QLatin1String("1");
    const int count = fields.text().toInt();
    for (int i = 0; i < count && fields.ok(); ++i)
        object.columns << fields.text();
    return object;
}

// An engine that would not open the file at all, for a reason any open of it meets again.
bool refusesToOpen(int code) {
    for (const int refusal : {SQLITE_NOTADB, SQLITE_BUSY, SQLITE_LOCKED, SQLITE_CANTOPEN,
                              SQLITE_PERM, SQLITE_IOERR, SQLITE_READONLY})
        if ((code & 0xff) == refusal)
            return true;
    return false;
}

ForeignFileVerdict engineFailure(int step, int code, const QString& message) {
    if (step == 1 && refusesToOpen(code))
        return {Outcome::Refused, {}, message};
    switch (code & 0xff) {
    case SQLITE_INTERRUPT:
        return failedBecause(tookTooLong());
    case SQLITE_NOMEM:
        return failedBecause(QObject::tr("reading it needed more memory than a file of its kind "
                                         "ever needs"));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return failedBecause(QObject::tr("it is damaged (%1)").arg(message));
    default:
        return failedBecause(QObject::tr("the database engine reported: %1").arg(message));
    }
}

ForeignFileVerdict readVerdict(const QByteArray& report, ForeignFileKind kind) {
    Fields fields(report);
    QList<SchemaObject> objects;
    for (QString tag = fields.text(); fields.ok(); tag = fields.text()) {
        if (tag == QLatin1String("O")) {
            objects << readObject(fields);
        } else if (tag == QLatin1String("E")) {
            const int step = fields.text().toInt();
            const int code = fields.text().toInt();
            return engineFailure(step, code, fields.text());
        } else if (tag == QLatin1String("Q")) {
            const QString result = fields.text();
            if (result != QLatin1String("ok"))
                return failedBecause(QObject::tr("it is damaged (%1)").arg(result));
        } else if (tag == QLatin1String("Z")) {
            const SchemaVerdict schema = checkSchema(kind, objects);
            return {schema.expected ? Outcome::Expected : Outcome::Unexpected, schema, {}};
        }
    }
    return failedBecause(QObject::tr("its check ended before it was complete"));
}

ForeignFileVerdict verdictOf(const QByteArray& report, int status, bool timedOut,
                             ForeignFileKind kind) {
    if (timedOut ||
        (WIFSIGNALED(status) && (WTERMSIG(status) == SIGXCPU || WTERMSIG(status) == SIGALRM)))
        return failedBecause(tookTooLong());
    if (WIFSIGNALED(status))
        return failedBecause(QObject::tr("reading it made the database engine fail (signal %1)")
                                 .arg(WTERMSIG(status)));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return failedBecause(QObject::tr("its check ended before it was complete"));
    return readVerdict(report, kind);
}

} // namespace

ForeignFileVerdict inspectForeignFile(const QString& path, ForeignFileKind kind) {
    const std::string name = QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
    const rlim_t addressSpace = childAddressSpace();
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0)
        return failedBecause(QObject::tr("no process could be started to check it"));
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        inspectInChild(name, channel[1], addressSpace, inspectionSeconds);
    }
    close(channel[1]);
    if (child < 0) {
        close(channel[0]);
        return failedBecause(QObject::tr("no process could be started to check it"));
    }
    int status = 0;
    bool timedOut = false;
    const QByteArray report = collectReport(child, channel[0], status, timedOut);
    close(channel[0]);
    return verdictOf(report, status, timedOut, kind);
}

void requireReadable(const QString& path, ForeignFileKind kind, const ForeignFileVerdict& verdict) {
    if (verdict.outcome == Outcome::Expected || verdict.outcome == Outcome::Refused)
        return;
    const QString why =
        verdict.outcome == Outcome::Unexpected ? verdict.schema.problem : verdict.reason;
    const QFileInfo file(path);
    switch (kind) {
    case ForeignFileKind::Submission:
        throw EngineError(engine::Damaged,
                          QObject::tr("The file '%1' cannot be read as a submission: %2.")
                              .arg(QDir::toNativeSeparators(file.absoluteFilePath()), why));
    case ForeignFileKind::SubmissionLog:
        throw EngineError(engine::Damaged,
                          QObject::tr("The log '%1' cannot be read as the log of a submission: "
                                      "%2.")
                              .arg(QDir::toNativeSeparators(file.absoluteFilePath()), why));
    case ForeignFileKind::WorkingDatabase:
        break;
    }
    throw EngineError(
        engine::Damaged,
        QObject::tr("The file '%1' in the folder '%2' is not a database of this "
                    "program: %3. Restore it from a backup copy or move it away.")
            .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()), why));
}

void requireOwnPlainDatabase(const QString& path) {
    if (isPlainDatabaseFile(path))
        requireReadable(path, ForeignFileKind::WorkingDatabase,
                        inspectForeignFile(path, ForeignFileKind::WorkingDatabase));
}
