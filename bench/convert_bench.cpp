// Measures the conversion of an older working database of N records (a plain file without a
// password, in an older format) into a new encrypted one, against what the sqlcipher client
// needs to copy the same rows into a new keyed database in one transaction, both in the same
// run; and the peak resident memory of the conversion. Without --quick it measures a second old
// file too, whose first address line is declared 60 wide and holds 50 characters in every
// record, so that every record's address is fitted to ours.
#include "command_line.h"
#include "process_memory.h"
#include "record_generator.h"

#include "core/platform/allocator.h"
#include "store/common/rows.h"
#include "store/common/schema.h"
#include "store/startup/conversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

// The old database: our columns, no password, format "0.0" and a version marker before "3.2".
void makeOldDatabase(const QString& path, int records, bool longAddresses) {
    Database old = Database::create(path, 0, std::nullopt);
    old.exec(createTableSql(table::employer, employerColumns()));
    QString employeeTable = createTableSql(table::employee, employeeColumns());
    if (longAddresses)
        employeeTable.replace(QStringLiteral("\"RAddress1\" VARCHAR(45)"),
                              QStringLiteral("\"RAddress1\" VARCHAR(60)"));
    old.exec(employeeTable);
    generator::RecordGenerator generator(1);
    Transaction transaction(old);
    RowValues employer = generator.employerRow();
    employer[columnIndex(employerColumns(), QStringLiteral("Version"))] = QStringLiteral("3.1");
    insertRow(old, table::employer, employerColumns(), employer);
    RowInserter employees(old, table::employee, employeeColumns());
    RowValues placeholder = emptyRow(employeeColumns());
    placeholder[columnIndex(employeeColumns(), QStringLiteral("Status"))] = QStringLiteral("H");
    employees.insert(placeholder);
    for (int id = 1; id <= records; ++id)
        employees.insert(generator.employeeRow(id));
    if (longAddresses) // wider than our columns take, so written past their check
        old.exec(QStringLiteral("UPDATE employee SET RAddress1 = 'FLAT A, 12/F, BLOCK 3, HAPPY "
                                "GARDEN, 123 SOME ROAD' WHERE Status <> 'H'"));
    transaction.commit();
}

// A fresh folder holding a copy of the old database as the working database.
QString freshFolder(const QTemporaryDir& work, const QString& old, int run) {
    const QString folder = work.filePath(QStringLiteral("run%1").arg(run));
    QDir().mkpath(folder);
    if (!QFile::copy(old, databasePath(folder, DatabaseFile::Working)))
        throw std::runtime_error("cannot copy the old database");
    return folder;
}

qint64 clientCopy(const QString& folder, const QString& old) {
    const QString script =
        QStringLiteral("PRAGMA key='%1';\nPRAGMA user_version=30;\n%2;\n%3;\n"
                       "ATTACH DATABASE '%4' AS old KEY '';\nBEGIN;\n"
                       "INSERT INTO employer SELECT * FROM old.employer;\n"
                       "INSERT INTO employee SELECT * FROM old.employee WHERE Status <> 'H';\n"
                       "COMMIT;\n")
            .arg(schema::defaultPassword, createTableSql(table::employer, employerColumns()),
                 createTableSql(table::employee, employeeColumns()), old);
    return bench::runTool({QStringLiteral("sqlcipher"), folder + QStringLiteral("/client.mdb")},
                          script.toUtf8());
}

// Both programs on fresh copies of the old file, each run; one RESULT line.
void measure(const QString& command, const bench::Sizes& options, bool longAddresses) {
    QTemporaryDir work;
    const QString old = work.filePath(QStringLiteral("old.mdb"));
    makeOldDatabase(old, options.records, longAddresses);
    memory::resetPeakResident();
    std::vector<qint64> program;
    std::vector<qint64> client;
    qint64 progressCalls = 0;
    for (int run = 0; run < options.repeat; ++run) {
        const QString folder = freshFolder(work, old, run);
        QElapsedTimer timer;
        timer.start();
        convertDatabase(folder, [&progressCalls](qint64, qint64) { ++progressCalls; });
        program.push_back(timer.nsecsElapsed());
        client.push_back(clientCopy(folder, old));
        bench::say(
            QStringLiteral("%1, run %2: conversion %3, sqlcipher client %4")
                .arg(command)
                .arg(run + 1)
                .arg(bench::milliseconds(program.back()), bench::milliseconds(client.back())));
        QDir(folder).removeRecursively();
    }
    const qint64 medianProgram = bench::median(program);
    const qint64 medianClient = bench::median(client);
    const long long peakKiB = memory::peakResidentKiB();
    bench::say(QStringLiteral("%1, %2 old records: conversion %3, client %4, ratio %5 (at most "
                              "2); %6 progress reports per conversion; peak %7 MB")
                   .arg(command)
                   .arg(options.records)
                   .arg(bench::milliseconds(medianProgram), bench::milliseconds(medianClient))
                   .arg(double(medianProgram) / double(medianClient), 0, 'f', 2)
                   .arg(progressCalls / options.repeat)
                   .arg(peakKiB / 1024.0, 0, 'f', 1));
    bench::result(command, options.records, medianProgram, medianClient, peakKiB * 1024);
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("convert_bench"));
    const std::optional<bench::Sizes> options = bench::readSizes(app);
    if (!options)
        return 2;
    try {
        measure(QStringLiteral("conversion"), *options, false);
        if (!options->quick)
            measure(QStringLiteral("conversion, long addresses"), *options, true);
    } catch (const std::exception& error) {
        bench::complain(QString::fromLocal8Bit(error.what()));
        return 1;
    }
    return 0;
}
