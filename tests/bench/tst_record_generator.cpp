#include "record_generator.h"

#include "core/common/amounts.h"
#include "core/employer/employer_rules.h"
#include "core/records/field_rules.h"
#include "core/records/identity_number.h"
#include "core/records/page_checks.h"
#include "store/common/schema.h"
#include "support/working_database.h"

#include <QRegularExpression>
#include <QTest>

using namespace generator;

constexpr int sampleYear = 2001; // not the default, so that no check leans on it

class TestRecordGenerator : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyRowPassesTheProgramsChecks();
    void sampleHoldsTheVariety_data();
    void sampleHoldsTheVariety();
    void databaseHoldsTheRowsOfItsSeed();

private:
    RowValues m_employer;
    QList<RowValues> m_employees;
};

// In the order the database is filled: the employer row first.
void TestRecordGenerator::initTestCase() {
    RecordGenerator generator(4, sampleYear);
    m_employer = generator.employerRow();
    for (int id = 1; id <= 2000; ++id)
        m_employees << generator.employeeRow(id);
}

// The checks of the store, the record editor and the employer screen.
void TestRecordGenerator::everyRowPassesTheProgramsChecks() {
    for (const RowValues& row : m_employees) {
        FieldTexts fields;
        QStringList incomes;
        qsizetype at = 0;
        for (const ColumnDef& column : employeeColumns()) {
            const QString name = QLatin1String(column.name);
            const QString value = row[at].toString();
            QVERIFY_THROWS_NO_EXCEPTION(checkValue(column, row[at++]));
            if (name.contains(QLatin1String("Income")) || name.contains(QLatin1String("Rent")))
                QCOMPARE(formatAmount(value), value);
            if (name.endsWith(QLatin1String("HKID")) && !value.isEmpty())
                QVERIFY2(IsValidIdentityNumber(value), qPrintable(value));
            fields.insert(name, value);
            incomes << (name.contains(QLatin1String("Income")) ? value : QString());
        }
        QVERIFY(fieldrules::sumOfAmounts(incomes) <= fieldrules::largestTotal);
        for (int page = 1; page <= 4; ++page) {
            const auto failure = checkRecord(fields, QString::number(sampleYear), page);
            QVERIFY2(!failure, failure ? qPrintable(failure->message) : "");
        }
    }
    QCOMPARE(m_employer.mid(0, 2), (RowValues{"3.4e", QString::number(sampleYear)}));
    QCOMPARE(sectionRefusal(m_employer[2].toString()), std::nullopt);
    QCOMPARE(checkFileNumber(m_employer[3].toString()).refusal, std::nullopt);
    QCOMPARE(submissionDateRefusal(m_employer[6].toString(), m_employer[1].toString()),
             std::nullopt);
}

// Each feature is a column whose text some records match, but not all.
void TestRecordGenerator::sampleHoldsTheVariety_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("pattern");
    const auto row = [](const char* feature, const char* column, const char* pattern) {
        QTest::newRow(feature) << column << pattern;
    };
    row("replacement", "Status", "R");
    row("supplementary", "Status", "S");
    row("apostrophe or hyphen in surname", "Surname", ".*['-].*");
    row("lower-case letters in surname", "Surname", ".*[a-z].*");
    row("two- and four-character Chinese names", "ChineseName", "..|....");
    row("two-letter identity number", "HKID", "[A-Z]{2}.*");
    row("passport instead of identity card", "HKID", "");
    row("married", "MStatus", "2");
    row("foreign address", "RAreaCode", "F");
    row("part of the year", "EMonth1", "0[1-35-9]|1.");
    row("second place of residence", "Q2Address1", ".+");
    row("overseas company", "OSeaFlag", "1");
    row("three other rewards", "kIncome3", ".+");
}

void TestRecordGenerator::sampleHoldsTheVariety() {
    QFETCH(QString, column);
    QFETCH(QString, pattern);
    const QRegularExpression feature(QRegularExpression::anchoredPattern(pattern));
    const int at = columnIndex(employeeColumns(), column);
    const auto found = std::count_if(m_employees.begin(), m_employees.end(), [&](auto& row) {
        return feature.match(row[at].toString()).hasMatch();
    });
    QVERIFY2(found > 0 && found < m_employees.size(), qPrintable(QString::number(found)));
}

// A second run into the same folder is refused and writes nothing.
void TestRecordGenerator::databaseHoldsTheRowsOfItsSeed() {
    TempFolder folder;
    const QString path = makeWorkingDatabase(folder.path(), 2000, 4, sampleYear);
    try {
        makeWorkingDatabase(folder.path(), 5, 2);
        QFAIL("a second database was made");
    } catch (const EngineError& error) {
        QCOMPARE(error.number(), int(engine::AlreadyExists));
    }
    Database db = Database::open(path, OpenOptions{.password = schema::defaultPassword});
    QVERIFY_THROWS_EXCEPTION(EngineError, fillDatabase(db, 5, 3));
    QCOMPARE(tableRows(db, table::employer, employerColumns()), {m_employer});
    QList<RowValues> stored = tableRows(db, table::employee, employeeColumns());
    QCOMPARE(stored.takeFirst()[1], QVariant("H")); // the placeholder
    QCOMPARE(stored, m_employees);
    RecordGenerator other(5, sampleYear);
    QVERIFY(other.employerRow() != m_employer && other.employeeRow(1) != m_employees[0]);
}

QTEST_GUILESS_MAIN(TestRecordGenerator)
#include "tst_record_generator.moc"
