#include "record_generator.h"

#include "common/helpers.h"
#include "store/columns.h"
#include "store/schema.h"
#include "support/temp_folder.h"

#include <QRegularExpression>
#include <QTest>

namespace {

using namespace generator;

constexpr int sampleSize = 3000;
constexpr int sampleYear = 2001; // not the default, so that no rule leans on it

QString text(const RowValues& row, const char* name) {
    return row[columnIndex(employeeColumns(), QLatin1String(name))].toString();
}

bool has(const RowValues& row, const char* name) {
    return !row[columnIndex(employeeColumns(), QLatin1String(name))].isNull();
}

bool matches(const QString& value, const char* pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)))
        .match(value)
        .hasMatch();
}

// The identity card's check character, worked out independently of the generator.
QString expectedCheck(const QString& number) {
    const QString padded = number.size() == 7 ? u' ' + number : number;
    int sum = 0;
    for (int i = 0; i < 8; ++i) {
        const QChar c = padded[i];
        sum += (9 - i) * (c == u' ' ? 36 : c.isDigit() ? c.digitValue() : c.unicode() - 'A' + 10);
    }
    const int check = (11 - sum % 11) % 11;
    return check == 10 ? QStringLiteral("A") : QString::number(check);
}

QString date(const RowValues& row, const char* day, const char* month, const char* year) {
    return text(row, day) + text(row, month) + text(row, year);
}

QString yyyymmdd(const QString& ddmmyyyy) {
    return ddmmyyyy.mid(4) + ddmmyyyy.mid(2, 2) + ddmmyyyy.left(2);
}

QList<RowValues> sample(quint32 seed, int count, int year = defaultReturnYear) {
    RecordGenerator generator(seed, year);
    QList<RowValues> rows;
    for (int id = 1; id <= count; ++id)
        rows << generator.employeeRow(id);
    return rows;
}

// Each rule returns true when a record keeps it.
using RowRule = bool (*)(const RowValues&);

bool sheetNumberFollowsRecordType(const RowValues& r) {
    const QString status = text(r, "Status");
    if (status == u"O")
        return text(r, "SheetNo") == u" ";
    return (status == u"R" || status == u"S") && matches(text(r, "SheetNo"), "[1-9][0-9]{0,5}");
}

bool namesAsTheEditorTakesThem(const RowValues& r) {
    return matches(text(r, "Surname"), "[A-Za-z'.-]+") &&
           matches(text(r, "FirstName"), "[A-Za-z ,.-]*[A-Za-z][A-Za-z ,.-]*");
}

bool identityHasItsCheckCharacter(const RowValues& r) {
    const auto valid = [&](const char* number, const char* check) {
        return !has(r, number) || (matches(text(r, number), "[A-Z]{1,2}[0-9]{6}") &&
                                   text(r, check) == expectedCheck(text(r, number)));
    };
    return valid("HKID", "ChkDigit") && valid("SpouseHKID", "SpouseChkDigit") &&
           (has(r, "HKID") || !text(r, "Passport").isEmpty());
}

bool spouseOnlyWhenMarried(const RowValues& r) {
    const bool married = text(r, "MStatus") == u"2";
    const bool spouse = has(r, "SpouseName") || has(r, "SpouseHKID") || has(r, "SpouseChkDigit") ||
                        has(r, "SpousePassport");
    return (!has(r, "MStatus") || matches(text(r, "MStatus"), "[12]")) && married == spouse;
}

bool pageOneRequiredFieldsGiven(const RowValues& r) {
    return matches(text(r, "Sex"), "[MF]") && matches(text(r, "RAreaCode"), "[HKNF]") &&
           !(text(r, "RAddress1") + text(r, "RAddress2")).trimmed().isEmpty() &&
           !text(r, "Capacity").trimmed().isEmpty();
}

bool periodInsideTheReturnYear(const RowValues& r) {
    const QString start = date(r, "EDay1", "EMonth1", "EYear1");
    const QString end = date(r, "EDay2", "EMonth2", "EYear2");
    return !IsInvalidDate(start) && !IsInvalidDate(end) &&
           yyyymmdd(start) >= QString::number(sampleYear - 1) + QStringLiteral("0401") &&
           yyyymmdd(end) <= QString::number(sampleYear) + QStringLiteral("0331") &&
           yyyymmdd(start) < yyyymmdd(end);
}

bool amountsAsFormatAmountWritesThem(const RowValues& r) {
    long long total = 0;
    for (const ColumnDef& column : employeeColumns()) {
        const QString name = QLatin1String(column.name);
        const bool income = name.contains(QLatin1String("Income"));
        const bool rent = name.contains(QLatin1String("Rent"));
        if ((!income && !rent) || !has(r, column.name))
            continue;
        const QString amount = text(r, column.name);
        if (FormatAmount(amount) != amount || LenWithoutCommas(amount) > (rent ? 7 : 9))
            return false;
        total += income ? AmountToLong(amount) : 0;
    }
    return has(r, "aIncome") && total <= 999'999'999;
}

bool residenceFollowsItsIndicator(const RowValues& r) {
    const int flag = r[columnIndex(employeeColumns(), QStringLiteral("QFlag"))].toInt();
    bool anyGiven = false;
    for (const ColumnDef& column : employeeColumns()) {
        const std::string_view name = column.name;
        anyGiven = anyGiven || (name.starts_with('Q') && name != "QFlag" && has(r, column.name));
    }
    if (flag == 0)
        return !anyGiven;
    return flag == 1 && !text(r, "Q1Address1").isEmpty() && !text(r, "Q1Nature").isEmpty() &&
           !text(r, "Q1Period").isEmpty();
}

bool overseasFollowsItsIndicator(const RowValues& r) {
    const int flag = r[columnIndex(employeeColumns(), QStringLiteral("OSeaFlag"))].toInt();
    if (flag == 0)
        return !has(r, "OSeaAmount") && !has(r, "OSeaName") && !has(r, "OSeaAddress");
    return flag == 1 && !text(r, "OSeaName").isEmpty();
}

bool everyValueFitsItsColumn(const RowValues& r) {
    try {
        for (std::size_t i = 0; i < employeeColumns().size(); ++i)
            checkValue(employeeColumns()[i], r[static_cast<qsizetype>(i)]);
    } catch (const EngineError&) {
        return false;
    }
    return true;
}

bool chineseNameOfTwoToFourCharacters(const RowValues& r) {
    return !has(r, "ChineseName") || matches(text(r, "ChineseName"), "\\p{Han}{2,4}");
}

} // namespace

Q_DECLARE_METATYPE(RowRule)

class TestRecordGenerator : public QObject {
    Q_OBJECT
private slots:
    void everyRecordKeepsTheRule_data();
    void everyRecordKeepsTheRule();
    void sampleHoldsTheVariety_data();
    void sampleHoldsTheVariety();
    void employerRowPassesTheEmployerChecks();
    void sameSeedGivesSameRows();
    void databaseHoldsTheGeneratedRows();
    void refusesAFolderThatHasADatabase();
};

void TestRecordGenerator::everyRecordKeepsTheRule_data() {
    QTest::addColumn<RowRule>("rule");
    QTest::newRow("valid: sheet number follows record type") << &sheetNumberFollowsRecordType;
    QTest::newRow("valid: names as the editor takes them") << &namesAsTheEditorTakesThem;
    QTest::newRow("valid: identity number with its check") << &identityHasItsCheckCharacter;
    QTest::newRow("valid: spouse only when married") << &spouseOnlyWhenMarried;
    QTest::newRow("valid: page 1 required fields") << &pageOneRequiredFieldsGiven;
    QTest::newRow("boundary: period inside the return year") << &periodInsideTheReturnYear;
    QTest::newRow("boundary: amounts within their digits") << &amountsAsFormatAmountWritesThem;
    QTest::newRow("valid: residence follows indicator") << &residenceFollowsItsIndicator;
    QTest::newRow("valid: overseas follows indicator") << &overseasFollowsItsIndicator;
    QTest::newRow("boundary: every value fits its column") << &everyValueFitsItsColumn;
    QTest::newRow("valid: Chinese name 2 to 4 characters") << &chineseNameOfTwoToFourCharacters;
}

void TestRecordGenerator::everyRecordKeepsTheRule() {
    QFETCH(RowRule, rule);
    const QList<RowValues> rows = sample(4, sampleSize, sampleYear);
    for (const RowValues& row : rows)
        QVERIFY2(rule(row), qPrintable(QStringLiteral("record %1").arg(row[0].toInt())));
}

void TestRecordGenerator::sampleHoldsTheVariety_data() {
    QTest::addColumn<RowRule>("feature");
    QTest::newRow("replacement") << RowRule(
        [](const RowValues& r) { return text(r, "Status") == u"R"; });
    QTest::newRow("supplementary")
        << RowRule([](const RowValues& r) { return text(r, "Status") == u"S"; });
    QTest::newRow("apostrophe in surname")
        << RowRule([](const RowValues& r) { return text(r, "Surname").contains(u'\''); });
    QTest::newRow("hyphen in surname")
        << RowRule([](const RowValues& r) { return text(r, "Surname").contains(u'-'); });
    QTest::newRow("lower-case letters in surname") << RowRule(
        [](const RowValues& r) { return text(r, "Surname") != text(r, "Surname").toUpper(); });
    QTest::newRow("two-character Chinese name")
        << RowRule([](const RowValues& r) { return text(r, "ChineseName").size() == 2; });
    QTest::newRow("four-character Chinese name")
        << RowRule([](const RowValues& r) { return text(r, "ChineseName").size() == 4; });
    QTest::newRow("two-letter identity number")
        << RowRule([](const RowValues& r) { return text(r, "HKID").size() == 8; });
    QTest::newRow("check character A")
        << RowRule([](const RowValues& r) { return text(r, "ChkDigit") == u"A"; });
    QTest::newRow("passport instead of identity card")
        << RowRule([](const RowValues& r) { return !has(r, "HKID") && has(r, "Passport"); });
    QTest::newRow("married") << RowRule(
        [](const RowValues& r) { return text(r, "MStatus") == u"2"; });
    QTest::newRow("foreign address")
        << RowRule([](const RowValues& r) { return text(r, "RAreaCode") == u"F"; });
    QTest::newRow("part of the year") << RowRule(
        [](const RowValues& r) { return text(r, "EDay1") + text(r, "EMonth1") != u"0104"; });
    QTest::newRow("second place of residence")
        << RowRule([](const RowValues& r) { return has(r, "Q2Address1"); });
    QTest::newRow("overseas company")
        << RowRule([](const RowValues& r) { return text(r, "OSeaFlag") == u"1"; });
    QTest::newRow("three other rewards")
        << RowRule([](const RowValues& r) { return has(r, "kIncome3"); });
}

void TestRecordGenerator::sampleHoldsTheVariety() {
    QFETCH(RowRule, feature);
    const QList<RowValues> rows = sample(4, sampleSize);
    const auto found = std::count_if(rows.begin(), rows.end(), feature);
    QVERIFY2(found > 0, "no record has it");
    QVERIFY2(found < rows.size(), "every record has it");
}

void TestRecordGenerator::employerRowPassesTheEmployerChecks() {
    const RowValues employer = RecordGenerator(8, sampleYear).employerRow();
    for (std::size_t i = 0; i < employerColumns().size(); ++i)
        checkValue(employerColumns()[i], employer[static_cast<qsizetype>(i)]);
    QCOMPARE(employer[0].toString(), QStringLiteral("3.4e"));
    QCOMPARE(employer[1].toString(), QString::number(sampleYear));
    QVERIFY(matches(employer[2].toString(), "[A-Z]"));
    const QString brn = employer[3].toString();
    QVERIFY(matches(brn, "[0-9]{8}") && brn.left(7).toInt() > 0);
    const int weights[] = {8, 1, 2, 3, 6, 7, 8};
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += weights[i] * brn[i].digitValue();
    QCOMPARE(sum % 10, brn[7].digitValue());
    const QString submitted = employer[6].toString();
    QVERIFY(!IsInvalidDate(submitted));
    QVERIFY(yyyymmdd(submitted) > QString::number(sampleYear) + QStringLiteral("0331"));
}

void TestRecordGenerator::sameSeedGivesSameRows() {
    QCOMPARE(sample(11, 300), sample(11, 300));
    QVERIFY(sample(11, 300) != sample(12, 300));
    QCOMPARE(RecordGenerator(11).employerRow(), RecordGenerator(11).employerRow());
}

void TestRecordGenerator::databaseHoldsTheGeneratedRows() {
    TempFolder folder;
    const QString path = makeWorkingDatabase(folder.path(), 400, 9);
    QCOMPARE(path, folder.file(schema::workingFile));

    RecordGenerator expected(9);
    Database db = Database::open(path, OpenOptions{schema::defaultPassword});
    Statement employer =
        db.prepare(QStringLiteral("select %1 from employer").arg(columnList(employerColumns())));
    QVERIFY(employer.next());
    QCOMPARE(readRow(employer, employerColumns()), expected.employerRow());
    QVERIFY(!employer.next());

    Statement employees = db.prepare(QStringLiteral("select %1 from employee order by rowid")
                                         .arg(columnList(employeeColumns())));
    QVERIFY(employees.next());
    QCOMPARE(text(readRow(employees, employeeColumns()), "Status"), QStringLiteral("H"));
    for (int id = 1; id <= 400; ++id) {
        QVERIFY(employees.next());
        const RowValues stored = readRow(employees, employeeColumns());
        const RowValues made = expected.employeeRow(id);
        for (qsizetype i = 0; i < made.size(); ++i)
            QVERIFY2(stored[i].isNull() == made[i].isNull() &&
                         stored[i].toString() == made[i].toString(),
                     qPrintable(QStringLiteral("record %1, %2")
                                    .arg(id)
                                    .arg(employeeColumns()[static_cast<std::size_t>(i)].name)));
    }
    QVERIFY(!employees.next());
}

void TestRecordGenerator::refusesAFolderThatHasADatabase() {
    TempFolder folder;
    makeWorkingDatabase(folder.path(), 5, 1);
    int number = 0;
    try {
        makeWorkingDatabase(folder.path(), 5, 2);
    } catch (const EngineError& error) {
        number = error.number();
    }
    QCOMPARE(number, int(engine::AlreadyExists));
    Database db =
        Database::open(folder.file(schema::workingFile), OpenOptions{schema::defaultPassword});
    Statement count = db.prepare(QStringLiteral("select count(*) from employee"));
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), 6); // the placeholder and the first five records only

    QVERIFY_THROWS_EXCEPTION(EngineError, fillDatabase(db, 5, 3));
}

QTEST_GUILESS_MAIN(TestRecordGenerator)
#include "tst_record_generator.moc"
