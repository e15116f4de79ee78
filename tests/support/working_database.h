#pragma once

#include "store/common/rows.h"
#include "store/common/schema.h"
#include "store/startup/run_state.h"
#include "store/startup/startup.h"
#include "support/hold_check.h"
#include "support/temp_folder.h"

#include <QStringList>
#include <QTest>

// Every row of a table, in the order they were written.
inline QList<RowValues> tableRows(Database& db, const char* tableName, Columns columns) {
    Statement query = db.prepare(QStringLiteral("select %1 from %2 order by rowid")
                                     .arg(columnList(columns), QLatin1String(tableName)));
    QList<RowValues> rows;
    while (query.next())
        rows << readRow(query, columns);
    return rows;
}

// "Column=value" taken apart.
inline std::pair<QString, QString> columnAndValue(const QString& entry) {
    const qsizetype at = entry.indexOf(u'=');
    return {entry.left(at), entry.mid(at + 1)};
}

// A record as "Column=value" texts.
template <class... Texts> QStringList record(const Texts&... texts) {
    return {QString(texts)...};
}

// Adds numbered original records to the working database in the folder, opened with the
// password (or none); each takes a few hundred bytes.
inline void addRecords(const QString& folder, int count, const std::optional<QString>& password) {
    Database db =
        Database::open(databasePath(folder, DatabaseFile::Working), OpenOptions{password});
    Transaction transaction(db);
    for (int n = 1; n <= count; ++n) {
        RowValues row = emptyRow(employeeColumns());
        row[columnIndex(employeeColumns(), "ID")] = n;
        row[columnIndex(employeeColumns(), "Status")] = QStringLiteral("O");
        row[columnIndex(employeeColumns(), "Surname")] = QStringLiteral("NAME%1").arg(n);
        row[columnIndex(employeeColumns(), "Remark")] = QString(60, u'x');
        row[columnIndex(employeeColumns(), "CAddress")] = QString(60, u'y');
        insertRow(db, table::employee, employeeColumns(), row);
    }
    transaction.commit();
}

// A fresh working database in its own program folder, logged in as the program would be.
struct WorkingDatabase {
    WorkingDatabase() {
        state.programFolder = folder.path();
        prepareWorkingDatabase(folder.path());
        state.login =
            Database::open(databasePath(folder.path(), DatabaseFile::Working),
                           OpenOptions{.password = schema::defaultPassword, .exclusive = true});
    }
    ~WorkingDatabase() { checkStillHeld(state); }
    WorkingDatabase(const WorkingDatabase&) = delete;
    WorkingDatabase& operator=(const WorkingDatabase&) = delete;

    // Adds an employee row from "Column=value" texts, numbers for the number columns; columns
    // not named stay without a value.
    qint64 addRecord(const QStringList& values) {
        RowValues row = emptyRow(employeeColumns());
        for (const QString& entry : values) {
            const auto [name, text] = columnAndValue(entry);
            const ColumnDef& def = ::column(employeeColumns(), name); // throws for no such column
            row[columnIndex(employeeColumns(), name)] =
                def.type == ColumnType::Text ? QVariant(text) : QVariant(text.toLongLong());
        }
        return insertRow(state.db(), table::employee, employeeColumns(), row);
    }

    // What a query reads, "(none)" for a missing value.
    QStringList values(const QString& sql) {
        QStringList texts;
        Statement read = state.db().prepare(sql);
        while (read.next())
            texts << (read.value(0).isNull() ? QStringLiteral("(none)") : read.value(0).toString());
        return texts;
    }
    // A column of the real records in identifier order.
    QStringList column(const QString& name) {
        return values(QStringLiteral("select \"%1\" from employee where Status <> 'H' order by ID")
                          .arg(name));
    }

    TempFolder folder;
    RunState state;
};
