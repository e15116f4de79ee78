// Opens a database exclusively, says "open" and keeps it until its standard input closes.
#include "store/database.h"

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
        while (std::getchar() != EOF) {
        }
    } catch (const EngineError& error) {
        std::printf("error %d\n", error.number());
        return 1;
    }
    return 0;
}
