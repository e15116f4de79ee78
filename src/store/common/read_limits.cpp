#include "store/common/read_limits.h"

#include "store/common/database.h"

#include <QObject>
#include <sqlite3.h>

namespace {

struct Cap {
    int limit;
    int value;
};

// The program's longest statement (the conversion's copy) is some 30 KB with 82 columns and as
// many bound values; its longest value is 70 bytes.
constexpr std::array<Cap, std::tuple_size_v<EngineCaps>> foreignCaps{{
    {SQLITE_LIMIT_LENGTH, 1'000'000},
    {SQLITE_LIMIT_SQL_LENGTH, 200'000},
    {SQLITE_LIMIT_COLUMN, 200},
    {SQLITE_LIMIT_EXPR_DEPTH, 100},
    {SQLITE_LIMIT_COMPOUND_SELECT, 10},
    {SQLITE_LIMIT_VDBE_OP, 100'000},
    {SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 100},
    {SQLITE_LIMIT_VARIABLE_NUMBER, 200},
    {SQLITE_LIMIT_TRIGGER_DEPTH, 1},
}};

// How many engine steps pass between two looks at the clock.
constexpr int stepsBetweenLooks = 1000;

int stopWhenPastDeadline(void* limits) {
    return static_cast<const ReadLimits*>(limits)->expired() ? 1 : 0;
}

} // namespace

EngineCaps capForeignReads(sqlite3* db) {
    EngineCaps previous{};
    for (std::size_t i = 0; i < foreignCaps.size(); ++i)
        previous[i] = sqlite3_limit(db, foreignCaps[i].limit, foreignCaps[i].value);
    return previous;
}

void restoreCaps(sqlite3* db, const EngineCaps& caps) {
    for (std::size_t i = 0; i < foreignCaps.size(); ++i)
        sqlite3_limit(db, foreignCaps[i].limit, caps[i]);
}

ReadLimits::ReadLimits(std::initializer_list<Database*> connections, QString fileName,
                       std::chrono::milliseconds limit)
    : m_fileName(std::move(fileName))
    , m_limit(limit)
    , m_deadline(Clock::now() + limit) {
    for (Database* db : connections) {
        m_connections.append({db->handle(), capForeignReads(db->handle())});
        sqlite3_progress_handler(db->handle(), stepsBetweenLooks, stopWhenPastDeadline, this);
    }
}

ReadLimits::~ReadLimits() {
    for (const auto& [db, caps] : std::as_const(m_connections)) {
        sqlite3_progress_handler(db, 0, nullptr, nullptr);
        restoreCaps(db, caps);
    }
}

void ReadLimits::renew() {
    m_deadline = Clock::now() + m_limit;
}

bool ReadLimits::expired() const {
    return Clock::now() > m_deadline;
}

EngineError ReadLimits::timedOut() const {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(m_limit).count();
    return EngineError(engine::Damaged,
                       QObject::tr("Reading '%1' was stopped: it took longer than %2 seconds, "
                                   "far longer than a file of this program ever needs.")
                           .arg(m_fileName)
                           .arg(seconds));
}
