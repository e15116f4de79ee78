#pragma once

#include "store/common/database.h"
#include "store/common/schema.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

// A working database as an earlier version left it: a plain file without a password, in an
// older format version, with columns declared in the old types (the first address line 60
// wide). The employee rows give, in order, the values of oldEmployeeColumns.
inline const QStringList oldEmployeeColumns{
    "ID", "status", "SheetNo", "Surname", "RAddress1", "RAddress2", "EYear1", "aIncome", "Q1Rent1"};

inline void makeOldDatabase(const QString& folder, const QList<QVariantList>& employees) {
    Database old = Database::create(databasePath(folder, DatabaseFile::Working), 0, std::nullopt);
    old.exec(QStringLiteral(
        "CREATE TABLE Employer (Version VARCHAR(10), ReturnYear VARCHAR(4), Session VARCHAR(1), "
        "BRN VARCHAR(8), Name VARCHAR(70), Designation VARCHAR(25), SubmissionDate CHAR(8));"
        "CREATE TABLE Employee (ID INTEGER, status VARCHAR(1), SheetNo VARCHAR(6), "
        "Surname TEXT(20), RAddress1 VARCHAR(60), RAddress2 VARCHAR(60), EYear1 VARCHAR(2), "
        "aIncome VARCHAR(11), Q1Rent1 TEXT)"));
    old.prepare(QStringLiteral("INSERT INTO Employer VALUES ('3.1', '1999', 'A', '12345678', "
                               "'ACME', 'Manager', '01051999')"))
        .run();
    Statement insert =
        old.prepare(QStringLiteral("INSERT INTO Employee VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    old.exec(QStringLiteral("BEGIN"));
    for (const QVariantList& row : employees) {
        insert.reset();
        for (qsizetype i = 0; i < row.size(); ++i)
            insert.bind(static_cast<int>(i + 1), row[i]);
        insert.run();
    }
    old.exec(QStringLiteral("COMMIT"));
}

// The placeholder row of an old database.
inline QVariantList oldPlaceholder() {
    return {QVariant(), QStringLiteral("H"), QVariant(), QVariant(), QVariant(),
            QVariant(), QVariant(),          QVariant(), QVariant()};
}

// Numbered original records for the larger cases, each with a first address line too long for
// ours; every odd one with an amount that has blanks around it.
inline QList<QVariantList> oldRecords(int count) {
    QList<QVariantList> rows{oldPlaceholder()};
    for (int n = 1; n <= count; ++n)
        rows << QVariantList{n,
                             QStringLiteral("O"),
                             QStringLiteral(" "),
                             QStringLiteral("NAME%1").arg(n),
                             QString(50, u'a'),
                             QStringLiteral("HONG KONG"),
                             QStringLiteral("98"),
                             n % 2 ? QStringLiteral(" 1234567 ") : QStringLiteral("1234567"),
                             QStringLiteral("12000")};
    return rows;
}
