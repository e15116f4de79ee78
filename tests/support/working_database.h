#pragma once

#include "startup/run_state.h"
#include "startup/startup.h"
#include "store/rows.h"
#include "store/schema.h"
#include "support/temp_folder.h"

#include <QHash>
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

// A fresh working database in its own program folder, logged in as the program would be.
struct WorkingDatabase {
    WorkingDatabase() {
        state.programFolder = folder.path();
        prepareWorkingDatabase(folder.path());
        state.login = Database::open(schema::targetPath(folder.path(), 1),
                                     OpenOptions{schema::defaultPassword, true, false});
    }

    // Adds an employee row; columns not named stay without a value.
    qint64 addEmployee(const QHash<QString, QVariant>& values) {
        RowValues row = emptyRow(employeeColumns());
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            row[columnIndex(employeeColumns(), it.key())] = it.value();
        return insertRow(state.db(), table::employee, employeeColumns(), row);
    }

    qint64 addOriginal(int id, const QString& surname, const QVariant& firstName) {
        return addEmployee({{"ID", id},
                            {"Status", QStringLiteral("O")},
                            {"SheetNo", QStringLiteral(" ")},
                            {"Surname", surname},
                            {"FirstName", firstName}});
    }

    QVariant value(qint64 id, const QString& column) {
        Statement read = state.db().prepare(
            QStringLiteral("select \"%1\" from employee where ID = ?").arg(column));
        read.bind(1, id);
        return read.next() ? read.value(0) : QVariant();
    }

    int count(const QString& where = QStringLiteral("1")) {
        Statement read =
            state.db().prepare(QStringLiteral("select count(*) from employee where ") + where);
        read.next();
        return read.value(0).toInt();
    }

    TempFolder folder;
    RunState state;
};
