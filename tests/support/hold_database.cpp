// Opens a database exclusively and says "open". Then it keeps the database until its standard
// input closes, or, given "sort" as third argument, numbers the original records as the Sort
// command does, says "done" with their count and ends (a test kills it part-way). Given a
// folder and "create", it makes the first working database there as a first run does. Given
// "rekey" and a new password after the password, it changes the password as the program does.
// Given a folder and "convert", it converts the old database there as the start-up does.
#include "store/common/database.h"
#include "store/records/sheet_numbers.h"
#include "store/startup/conversion.h"
#include "store/startup/password_change.h"
#include "store/startup/startup.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    if (qstrcmp(argv[2], "create") == 0) {
        prepareWorkingDatabase(QString::fromLocal8Bit(argv[1]));
        std::puts("created");
        return 0;
    }
    if (qstrcmp(argv[2], "convert") == 0) {
        convertDatabase(QString::fromLocal8Bit(argv[1]), [](qint64, qint64) {});
        std::puts("converted");
        return 0;
    }
    if (argc > 4 && qstrcmp(argv[3], "rekey") == 0) {
        const QString oldPassword = QString::fromLocal8Bit(argv[2]);
        std::optional<Database> login =
            Database::open(QString::fromLocal8Bit(argv[1]),
                           OpenOptions{.password = oldPassword, .exclusive = true});
        changeDatabasePassword(login, oldPassword, QString::fromLocal8Bit(argv[4]));
        std::puts("changed");
        return 0;
    }
    const bool sort = argc > 3 && qstrcmp(argv[3], "sort") == 0;
    try {
        Database db = Database::open(
            QString::fromLocal8Bit(argv[1]),
            OpenOptions{.password = QString::fromLocal8Bit(argv[2]), .exclusive = true});
        std::puts("open");
        std::fflush(stdout);
        if (sort) {
            std::printf("done %d\n", numberOriginalRecords(db));
            std::fflush(stdout);
            return 0;
        }
        while (std::getchar() != EOF) {
        }
    } catch (const EngineError& error) {
        std::printf("error %d\n", error.number());
        return 1;
    }
    return 0;
}
