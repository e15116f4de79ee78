#include "core/common/conversion_rules.h"
#include "core/records/record_types.h"

#include <QRegularExpression>
#include <QTest>
#include <array>

using namespace conversion;

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

const QVariant none;

QVariant text(const char* value) {
    return QString::fromUtf8(value);
}

} // namespace

class TestConversionRules : public QObject {
    Q_OBJECT
private slots:
    void widthFromDeclaredType_data();
    void widthFromDeclaredType();
    void yearsAndAmounts_data();
    void yearsAndAmounts();
    void addressFitsNewWidth_data();
    void addressFitsNewWidth();
    void rowMatchedWithoutRegardToCase();
};

void TestConversionRules::widthFromDeclaredType_data() {
    QTest::addColumn<QString>("declared");
    QTest::addColumn<std::optional<int>>("width");
    QTest::newRow("varchar") << "VARCHAR(60)" << std::optional<int>(60);
    QTest::newRow("text with width") << "TEXT(60)" << std::optional<int>(60);
    QTest::newRow("char, lower case, blanks") << " char ( 45 ) " << std::optional<int>(45);
    QTest::newRow("text without width") << "TEXT" << std::optional<int>();
    QTest::newRow("no type") << "" << std::optional<int>();
    QTest::newRow("integer") << "INTEGER" << std::optional<int>();
}

void TestConversionRules::widthFromDeclaredType() {
    QFETCH(QString, declared);
    QFETCH(std::optional<int>, width);
    QCOMPARE(declaredWidth(declared), width);
}

void TestConversionRules::yearsAndAmounts_data() {
    QTest::addColumn<bool>("isYear");
    QTest::addColumn<QVariant>("old");
    QTest::addColumn<QVariant>("converted");
    QTest::newRow("two-digit year") << true << text("98") << text("1998");
    QTest::newRow("four-digit year") << true << text("1998") << text("1998");
    QTest::newRow("one-digit year") << true << text("8") << text("8");
    QTest::newRow("two chinese numerals") << true << text("九八") << text("19九八");
    QTest::newRow("no year") << true << none << none;
    QTest::newRow("plain amount") << false << text("1234567") << text("1,234,567");
    QTest::newRow("grouped amount") << false << text("1,234,567") << text("1,234,567");
    QTest::newRow("badly grouped amount") << false << text("12,34,567") << text("1,234,567");
    QTest::newRow("empty amount") << false << text("") << text("");
    QTest::newRow("no amount") << false << none << none;
    QTest::newRow("leading zeros") << false << text("0001234") << text("1,234");
    QTest::newRow("zeros alone") << false << text("0,000") << text("0");
    QTest::newRow("commas alone") << false << text(",,") << text("");
    QTest::newRow("blanks around") << false << text(" 1234 ") << text("1,234");
    QTest::newRow("not a number") << false << text("12A") << text("12A");
}

void TestConversionRules::yearsAndAmounts() {
    QFETCH(bool, isYear);
    QFETCH(QVariant, old);
    QFETCH(QVariant, converted);
    const QVariant result = isYear ? fullYear(old) : regroupedAmount(old);
    QCOMPARE(result.isNull(), converted.isNull());
    QCOMPARE(result.toString(), converted.toString());
    // The short ways in bytes agree wherever they answer, and answer for every year of ASCII
    // characters and every amount of digits and commas.
    const QByteArray utf8 = old.toString().toUtf8();
    if (isYear) {
        std::array<char, 4> room{};
        const std::optional<QByteArrayView> year = fullYearBytes(utf8, room);
        QCOMPARE(year.has_value(), QString::fromUtf8(utf8) == QString::fromLatin1(utf8));
        if (year)
            QCOMPARE(QString::fromUtf8(*year), converted.toString());
        return;
    }
    std::array<char, 16> bytes{};
    const qsizetype length = regroupedDigits(utf8, bytes.data(), qsizetype(bytes.size()));
    if (length >= 0)
        QCOMPARE(QString::fromUtf8(bytes.data(), length), converted.toString());
    const QRegularExpression digitsAndCommas(QStringLiteral("^[0-9,]*$"));
    QCOMPARE(length >= 0, digitsAndCommas.match(old.toString()).hasMatch());
}

void TestConversionRules::addressFitsNewWidth_data() {
    QTest::addColumn<QVariant>("first");
    QTest::addColumn<QVariant>("second");
    QTest::addColumn<std::optional<int>>("oldWidth");
    QTest::addColumn<QVariant>("newFirst");
    QTest::addColumn<QVariant>("newSecond");
    const QString fifty = QString(45, u'a') + QStringLiteral("bbbbb");
    const std::optional<int> sixty = 60;
    QTest::newRow("overflow goes before the second line")
        << QVariant(fifty) << text("KOWLOON") << sixty << QVariant(QString(45, u'a'))
        << text("bbbbb KOWLOON");
    QTest::newRow("overflow and long second line cut to 45")
        << QVariant(fifty) << QVariant(QString(50, u'c')) << sixty << QVariant(QString(45, u'a'))
        << QVariant(QStringLiteral("bbbbb ") + QString(39, u'c'));
    QTest::newRow("overflow without second line")
        << QVariant(fifty) << none << sixty << QVariant(QString(45, u'a')) << text("bbbbb ");
    QTest::newRow("short first line, long second line cut")
        << text("1 MAIN ST") << QVariant(QString(50, u'c')) << sixty << text("1 MAIN ST")
        << QVariant(QString(45, u'c'));
    QTest::newRow("no first line: no overflow")
        << none << text("KOWLOON") << sixty << none << text("KOWLOON");
    QTest::newRow("old column not wider: copied as it is")
        << text("1 MAIN ST") << text("KOWLOON") << std::optional<int>(45) << text("1 MAIN ST")
        << text("KOWLOON");
    QTest::newRow("declared without width: not wider")
        << QVariant(fifty) << text("KOWLOON") << std::optional<int>() << QVariant(fifty)
        << text("KOWLOON");
    // A Chinese character takes two bytes: 23 of them do not fit 45 bytes, 22 do.
    QTest::newRow("Chinese first line cut at a whole character")
        << QVariant(QString(23, QChar(0x4E2D))) << none << sixty
        << QVariant(QString(22, QChar(0x4E2D))) << QVariant(QString(QChar(0x4E2D)) + u' ');
}

void TestConversionRules::addressFitsNewWidth() {
    QFETCH(QVariant, first);
    QFETCH(QVariant, second);
    QFETCH(std::optional<int>, oldWidth);
    QFETCH(QVariant, newFirst);
    QFETCH(QVariant, newSecond);
    const AddressLines fitted = fitAddress({first, second}, oldWidth, oldWidth, 45);
    QCOMPARE(fitted.first.isNull(), newFirst.isNull());
    QCOMPARE(fitted.first.toString(), newFirst.toString());
    QCOMPARE(fitted.second.isNull(), newSecond.isNull());
    QCOMPARE(fitted.second.toString(), newSecond.toString());
}

// Old names in another case and order are found; a column the old table lacks stays without a
// value; the placeholder is known by its status.
void TestConversionRules::rowMatchedWithoutRegardToCase() {
    const OldLayout old{{"remark", "STATUS", "eyear1", "AINCOME"},
                        {"VARCHAR(60)", "VARCHAR(1)", "VARCHAR(2)", "VARCHAR(11)"}};
    const ColumnMatch match = matchColumns(employeeColumns(), old);
    const RowValues row =
        convertedEmployee(match, {text("HELLO"), text("O"), text("99"), text("1000")});
    const auto at = [](const char* name) { return columnIndex(employeeColumns(), name); };
    QCOMPARE(row.size(), qsizetype(81));
    QCOMPARE(row[at("Remark")].toString(), QString("HELLO"));
    QCOMPARE(row[at("Status")].toString(), QString("O"));
    QCOMPARE(row[at("EYear1")].toString(), QString("1999"));
    QCOMPARE(row[at("aIncome")].toString(), QString("1,000"));
    QVERIFY(row[at("Surname")].isNull());
    QVERIFY(row[at("RAddress1")].isNull());
    QVERIFY(!recordtype::isPlaceholder(row[at("Status")]));
    QVERIFY(recordtype::isPlaceholder(
        convertedEmployee(match, {none, text("H"), none, none})[at("Status")]));
}

QTEST_GUILESS_MAIN(TestConversionRules)
#include "tst_conversion_rules.moc"
