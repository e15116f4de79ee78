#include "store/common/foreign_file_child.h"

#include "store/common/read_limits.h"

#include <csignal>
#include <cstring>
#include <ctime>
#include <sqlite3.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

class Report {
public:
    Report& field(const char* text, std::size_t size) {
        m_bytes += std::to_string(size);
        m_bytes += ':';
        m_bytes.append(text, size);
        return *this;
    }
    Report& field(const char* text) { return field(text, std::strlen(text)); }
    Report& field(const std::string& text) { return field(text.data(), text.size()); }
    Report& fields(const Report& other) {
        m_bytes += other.m_bytes;
        return *this;
    }
    // A column of the current row of a statement.
    Report& column(sqlite3_stmt* statement, int at) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, at));
        return field(text ? text : "", std::size_t(sqlite3_column_bytes(statement, at)));
    }

    void send(int out) const {
        std::size_t sent = 0;
        while (sent < m_bytes.size()) {
            const ssize_t written = write(out, m_bytes.data() + sent, m_bytes.size() - sent);
            if (written <= 0)
                return;
            sent += std::size_t(written);
        }
    }

private:
    std::string m_bytes;
};

timespec deadline{};

int pastDeadline(void*) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec >= deadline.tv_sec ? 1 : 0;
}

// A crash must end this process only, at once, without a core file and without the handlers
// the parent installed; the time and memory limits end it too.
void prepareProcess(rlim_t addressSpace, int seconds) {
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGXCPU, SIGALRM, SIGPIPE})
        std::signal(signal, SIG_DFL);
    sigset_t all;
    sigfillset(&all);
    sigprocmask(SIG_UNBLOCK, &all, nullptr);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const rlimit memory{addressSpace, addressSpace};
    setrlimit(RLIMIT_AS, &memory);
    const rlimit processor{rlim_t(seconds), rlim_t(seconds) + 1};
    setrlimit(RLIMIT_CPU, &processor);
    alarm(unsigned(seconds) + 1);
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += seconds;
}

std::string quotedName(sqlite3_stmt* entry, int at) {
    const auto* name = sqlite3_column_text(entry, at);
    const int size = sqlite3_column_bytes(entry, at);
    std::string quoted = "\"";
    for (int i = 0; name && i < size; ++i) {
        if (name[i] == '"')
            quoted += '"';
        quoted += char(name[i]);
    }
    return quoted + '"';
}

void failed(Report& report, const char* step, sqlite3* db, int code) {
    report.field("E").field(step).field(std::to_string(code));
    report.field(db ? sqlite3_errmsg(db) : "");
}

// The columns of a table that the engine holds as one with rows of its own; none for a view,
// whatever the entry's type says.
int addColumns(sqlite3* db, sqlite3_stmt* entry, Report& report) {
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(entry, 1));
    const bool isTable =
        name && sqlite3_table_column_metadata(db, "main", name, nullptr, nullptr, nullptr, nullptr,
                                              nullptr, nullptr) == SQLITE_OK;
    Report columns;
    int count = 0;
    int rc = SQLITE_DONE;
    if (isTable) {
        const std::string sql = "PRAGMA main.table_info(" + quotedName(entry, 1) + ")";
        sqlite3_stmt* info = nullptr;
        rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &info, nullptr);
        while (rc == SQLITE_OK && (rc = sqlite3_step(info)) == SQLITE_ROW) {
            columns.column(info, 1);
            ++count;
            rc = SQLITE_OK;
        }
        sqlite3_finalize(info);
    }
    if (rc != SQLITE_DONE)
        return rc;
    report.field(isTable ? "1" : "0").field(std::to_string(count)).fields(columns);
    return SQLITE_OK;
}

// Step 1 and 2: every entry of the schema, with the columns of each real table.
bool listSchema(sqlite3* db, Report& report) {
    sqlite3_stmt* entry = nullptr;
    int rc = sqlite3_prepare_v2(
        db, "SELECT type, name, tbl_name, sql FROM main.sqlite_master ORDER BY name", -1, &entry,
        nullptr);
    Report entries;
    while (rc == SQLITE_OK && (rc = sqlite3_step(entry)) == SQLITE_ROW) {
        entries.field("O").column(entry, 0).column(entry, 1).column(entry, 2).column(entry, 3);
        const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(entry, 0));
        const bool isTable = type && std::strcmp(type, "table") == 0;
        const int columns = isTable ? addColumns(db, entry, entries) : SQLITE_OK;
        if (!isTable)
            entries.field("0").field("0");
        if (columns != SQLITE_OK) {
            sqlite3_finalize(entry);
            failed(report, "2", db, columns);
            return false;
        }
        rc = SQLITE_OK;
    }
    sqlite3_finalize(entry);
    if (rc != SQLITE_DONE) {
        failed(report, "1", db, rc);
        return false;
    }
    report.fields(entries);
    return true;
}

// Step 3: every page of the file, read once.
void checkPages(sqlite3* db, Report& report) {
    sqlite3_stmt* check = nullptr;
    int rc = sqlite3_prepare_v2(db, "PRAGMA main.quick_check(1)", -1, &check, nullptr);
    if (rc == SQLITE_OK && (rc = sqlite3_step(check)) == SQLITE_ROW)
        report.field("Q").column(check, 0);
    else
        failed(report, "3", db, rc);
    sqlite3_finalize(check);
}

} // namespace

void inspectInChild(const std::string& path, int out, rlim_t addressSpace, int seconds) {
    prepareProcess(addressSpace, seconds);
    Report report;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        failed(report, "1", db, rc);
    } else {
        capForeignReads(db);
        sqlite3_progress_handler(db, 1000, pastDeadline, nullptr);
        sqlite3_exec(db, "PRAGMA cell_size_check=ON", nullptr, nullptr, nullptr);
        if (listSchema(db, report))
            checkPages(db, report);
    }
    report.field("Z").send(out);
    _exit(0);
}
