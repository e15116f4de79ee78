#pragma once

#include "core/common/engine_error.h"

#include <QList>
#include <QString>
#include <array>
#include <chrono>
#include <initializer_list>

struct sqlite3;
class Database;

// Caps on what one statement may hold or build, far above anything the program's own files and
// statements need, for connections that read a file the program did not write. Returns the caps
// the connection had before.
using EngineCaps = std::array<int, 9>;
EngineCaps capForeignReads(sqlite3* db);
void restoreCaps(sqlite3* db, const EngineCaps& caps);

// While it lives, every statement on the connections stops once the time is up, and the
// connections keep the caps above. A read that the limit stopped fails with an error naming the
// file; renew() gives a long task that shows progress its time again.
class ReadLimits {
public:
    ReadLimits(std::initializer_list<Database*> connections, QString fileName,
               std::chrono::milliseconds limit);
    ReadLimits(Database& db, QString fileName, std::chrono::milliseconds limit)
        : ReadLimits({&db}, std::move(fileName), limit) {}
    ~ReadLimits();
    ReadLimits(const ReadLimits&) = delete;
    ReadLimits& operator=(const ReadLimits&) = delete;

    void renew();
    bool expired() const;
    EngineError timedOut() const;

    // Runs the reads; the engine's error for a read the limit stopped becomes timedOut().
    template <typename Reads> auto run(Reads&& reads) -> decltype(reads()) {
        try {
            return reads();
        } catch (const EngineError&) {
            if (expired())
                throw timedOut();
            throw;
        }
    }

private:
    using Clock = std::chrono::steady_clock;

    QList<std::pair<sqlite3*, EngineCaps>> m_connections; // each with the caps it had
    QString m_fileName;
    std::chrono::milliseconds m_limit;
    Clock::time_point m_deadline;
};
