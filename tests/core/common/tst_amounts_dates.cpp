#include "core/common/amounts.h"
#include "core/common/dates.h"
#include "core/common/engine_error.h"

#include <QTest>
#include <chrono>

class TestAmountsAndDates : public QObject {
    Q_OBJECT
private slots:
    void isCalendarDateMatchesTheCalendar();
    void notACalendarDate_data();
    void notACalendarDate();
    void amountToLong_data();
    void amountToLong();
    void amountToLongRefusesWhatIsNoAmount();
    void lenWithoutCommas_data();
    void lenWithoutCommas();
    void groupDigits_data();
    void groupDigits();
    void formatAmount_data();
    void formatAmount();
};

// Every day code from 00 to 32 of every month code from 00 to 13, over four centuries, checked
// against the standard library's calendar.
void TestAmountsAndDates::isCalendarDateMatchesTheCalendar() {
    using namespace std::chrono;
    for (int y = 1800; y <= 2200; ++y)
        for (unsigned m = 0; m <= 13; ++m)
            for (unsigned d = 0; d <= 32; ++d) {
                const bool real =
                    m >= 1 && m <= 12 && d >= 1 && year_month_day{year{y}, month{m}, day{d}}.ok();
                const QString text = QStringLiteral("%1%2%3")
                                         .arg(d, 2, 10, QLatin1Char('0'))
                                         .arg(m, 2, 10, QLatin1Char('0'))
                                         .arg(y, 4, 10, QLatin1Char('0'));
                if (isCalendarDate(text) != real)
                    QFAIL(qPrintable(text));
            }
}

void TestAmountsAndDates::notACalendarDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("invalid");
    // Real and impossible days are all in the calendar test; these texts are no dates at all.
    QTest::newRow("seven characters") << "0101200" << true;
    QTest::newRow("nine characters") << "010120011" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("letters") << "0a012001" << true;
}

void TestAmountsAndDates::notACalendarDate() {
    QFETCH(QString, text);
    QFETCH(bool, invalid);
    QCOMPARE(!isCalendarDate(text), invalid);
}

void TestAmountsAndDates::amountToLong_data() {
    QTest::addColumn<QVariant>("amount");
    QTest::addColumn<int>("value");
    QTest::newRow("null") << QVariant() << 0;
    QTest::newRow("empty") << QVariant(QString()) << 0;
    QTest::newRow("lone comma") << QVariant(QStringLiteral(",")) << 0;
    QTest::newRow("grouped") << QVariant(QStringLiteral("1,234,567")) << 1234567;
    QTest::newRow("largest") << QVariant(QStringLiteral("2,147,483,647")) << 2147483647;
    QTest::newRow("oddly grouped") << QVariant(QStringLiteral("123,4567")) << 1234567;
    QTest::newRow("leading zeros") << QVariant(QStringLiteral("000123")) << 123;
}

void TestAmountsAndDates::amountToLong() {
    QFETCH(QVariant, amount);
    QFETCH(int, value);
    QCOMPARE(::amountToLong(amount), value);
}

void TestAmountsAndDates::amountToLongRefusesWhatIsNoAmount() {
    QVERIFY_THROWS_EXCEPTION(EngineError, ::amountToLong(QStringLiteral("2,147,483,648")));
    QVERIFY_THROWS_EXCEPTION(EngineError, ::amountToLong(QStringLiteral("12a")));
}

void TestAmountsAndDates::lenWithoutCommas_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("grouped") << "1,234" << 4;
    QTest::newRow("commas only") << ",,," << 0;
    QTest::newRow("nine digits") << "999,999,999" << 9;
    QTest::newRow("pasted beyond 16 bits") << QString(40000, u'9') + "," << 40000;
}

void TestAmountsAndDates::lenWithoutCommas() {
    QFETCH(QString, text);
    QFETCH(int, length);
    QCOMPARE(int(::lenWithoutCommas(text)), length);
}

void TestAmountsAndDates::groupDigits_data() {
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<QString>("grouped");
    QTest::newRow("zero") << 0LL << "0";
    QTest::newRow("negative") << -1234567LL << "-1,234,567";
    QTest::newRow("largest") << LLONG_MAX << "9,223,372,036,854,775,807";
    QTest::newRow("smallest") << LLONG_MIN << "-9,223,372,036,854,775,808";
}

void TestAmountsAndDates::groupDigits() {
    QFETCH(qlonglong, value);
    QFETCH(QString, grouped);
    QCOMPARE(::groupDigits(value), grouped);
}

void TestAmountsAndDates::formatAmount_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("formatted");
    const auto row = [](const char* name, const char* text, const char* formatted) {
        QTest::newRow(name) << QString(text) << QString(formatted);
    };
    row("empty", "", "");
    row("four digits", "1234", "1,234");
    row("zero", "0", "0");
    row("zeros", "000", "0");
    row("leading zeros", "000123", "123");
    row("twelve nines", "999999999999", "999,999,999,999");
    row("regrouped", "123,4567", "1,234,567");
    row("already grouped", "1,234,567", "1,234,567");
    row("three digits", "999", "999");
    row("lone comma", ",", "");
    QTest::newRow("long paste") << "000" + QString(3000, u'7')
                                << (QString("777,").repeated(999) + "777");
}

void TestAmountsAndDates::formatAmount() {
    QFETCH(QString, text);
    QFETCH(QString, formatted);
    QCOMPARE(::formatAmount(text), formatted);
}

QTEST_APPLESS_MAIN(TestAmountsAndDates)
#include "tst_amounts_dates.moc"
