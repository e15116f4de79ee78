#pragma once

#include "core/common/columns.h"

#include <QList>
#include <QStringList>
#include <QVariant>

// The employer row of the worked example: return year 2002, file number A 12345678.
inline const QStringList exampleEmployer{"Session=A",
                                         "BRN=12345678",
                                         "ReturnYear=2002",
                                         "SubmissionDate=30042002",
                                         "Name=ABC TRADING LTD",
                                         "Designation=MANAGER"};

// The worked example's employee: an original record for the whole of the return year 2002.
inline QStringList exampleRecord(const QString& sheet = QStringLiteral("1"),
                                 const QString& surname = QStringLiteral("CHAN")) {
    return {"SheetNo=" + sheet,
            "HKID=A123456",
            "ChkDigit=3",
            "Status=O",
            "Surname=" + surname,
            "FirstName=TAI MAN",
            "Sex=M",
            "MStatus=",
            "RAddress1=FLAT A 1/F",
            "RAreaCode=K",
            "Capacity=CLERK",
            "EYear1=2001",
            "EMonth1=04",
            "EDay1=01",
            "EYear2=2002",
            "EMonth2=03",
            "EDay2=31",
            "aPeriod=20010401 - 20020331",
            "aIncome=240,000",
            "QFlag=0",
            "OSeaFlag=0"};
}

// A row of the given columns from "Column=value" texts; numbers for the number columns, no
// value for the columns not named.
inline QList<QVariant> rowOf(Columns columns, const QStringList& values) {
    QList<QVariant> row(static_cast<qsizetype>(columns.size()));
    for (const QString& entry : values) {
        const QString name = entry.section(u'=', 0, 0);
        const QString text = entry.section(u'=', 1);
        const ColumnDef& def = ::column(columns, name);
        row[columnIndex(columns, name)] =
            def.type == ColumnType::Text ? QVariant(text) : QVariant(text.toLongLong());
    }
    return row;
}
