// Opens a working database as the program does, says "open", numbers its original records and
// says "done" with their count. A test kills it part-way.
#include "store/database.h"
#include "store/sheet_numbers.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    try {
        Database db = Database::open(QString::fromLocal8Bit(argv[1]),
                                     OpenOptions{QString::fromLocal8Bit(argv[2]), true, false});
        std::puts("open");
        std::fflush(stdout);
        const int count = numberOriginalRecords(db);
        std::printf("done %d\n", count);
        std::fflush(stdout);
    } catch (const EngineError& error) {
        std::printf("error %d\n", error.number());
        return 1;
    }
    return 0;
}
