// Creates a working database filled with generated employee records, for trying the program
// and the benchmarks on a realistic amount of data.
#include "command_line.h"
#include "process_memory.h"
#include "record_generator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

struct Request {
    QString folder;
    int records = 0;
    quint32 seed = 1;
    int returnYear = generator::defaultReturnYear;
};

std::optional<Request> readRequest(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Creates the working database in DIR and fills it with N generated "
                       "employee records (password qvz)."));
    parser.addHelpOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Program folder to create it in."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption records(QStringLiteral("records"),
                                     QStringLiteral("Number of employee records."),
                                     QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the generator (default 1)."),
                                  QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption year(
        QStringLiteral("year"), QStringLiteral("Return year (default 2000)."),
        QStringLiteral("YEAR"), QString::number(generator::defaultReturnYear));
    parser.addOptions({dataDir, records, seed, year});
    parser.process(app);
    if (!parser.isSet(dataDir) || !parser.isSet(records)) {
        bench::complain(QStringLiteral("--data-dir and --records are required"));
        return std::nullopt;
    }
    const auto count = bench::wholeNumber(parser, records, 0, 10'000'000);
    const auto seedValue = bench::wholeNumber(parser, seed, 0, UINT32_MAX);
    const auto yearValue = bench::wholeNumber(parser, year, 1997, 9999);
    if (!count || !seedValue || !yearValue)
        return std::nullopt;
    return Request{parser.value(dataDir), static_cast<int>(*count),
                   static_cast<quint32>(*seedValue), static_cast<int>(*yearValue)};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("make_database"));
    const std::optional<Request> request = readRequest(app);
    if (!request)
        return 2;
    if (!QDir().mkpath(request->folder)) {
        bench::complain(QStringLiteral("cannot create the folder '%1'").arg(request->folder));
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    QString path;
    try {
        path = generator::makeWorkingDatabase(request->folder, request->records, request->seed,
                                              request->returnYear);
    } catch (const EngineError& error) {
        bench::complain(
            QStringLiteral("%1 (error %2)").arg(error.description()).arg(error.number()));
        return 1;
    }
    const qint64 elapsed = clock.nsecsElapsed();
    bench::say(QStringLiteral("made %1: %2 records, seed %3, return year %4")
                   .arg(QDir::toNativeSeparators(path))
                   .arg(request->records)
                   .arg(request->seed)
                   .arg(request->returnYear));
    bench::say(QStringLiteral("time %1, file size %2 bytes, peak resident memory %3 KiB")
                   .arg(bench::milliseconds(elapsed))
                   .arg(QFileInfo(path).size())
                   .arg(memory::peakResidentKiB()));
    return 0;
}
