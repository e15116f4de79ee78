#include "core/records/page_checks.h"

#include <QTest>
#include <tuple>

namespace {

// A record that passes every check for the return year 2000.
FieldTexts completeRecord() {
    return {
        {"Status", "O"},          {"SheetNo", " "},   {"Surname", "CHAN"},
        {"FirstName", "Tai Man"}, {"Sex", "M"},       {"RAddress1", "1 Main Street"},
        {"RAddress2", ""},        {"RAreaCode", "H"}, {"Capacity", "Clerk"},
        {"EDay1", "01"},          {"EMonth1", "04"},  {"EYear1", "1999"},
        {"EDay2", "31"},          {"EMonth2", "03"},  {"EYear2", "2000"},
        {"QFlag", "0"},           {"OSeaFlag", "0"},
    };
}

// Each change is "Column=text".
FieldTexts changed(const QStringList& changes) {
    FieldTexts fields = completeRecord();
    for (const QString& change : changes) {
        const qsizetype at = change.indexOf(u'=');
        fields.insert(change.left(at), change.mid(at + 1));
    }
    return fields;
}

QStringList period(const QString& start, const QString& end) {
    return {"EDay1=" + start.mid(0, 2), "EMonth1=" + start.mid(2, 2), "EYear1=" + start.mid(4),
            "EDay2=" + end.mid(0, 2),   "EMonth2=" + end.mid(2, 2),   "EYear2=" + end.mid(4)};
}

const QString noSheetNumber = QStringLiteral(" SheetNo: Please enter sheet number.");
const QString noPeriod = QStringLiteral(": Please enter period of employment.");
const QString noStart = QStringLiteral("2 EYear1 emptied: Invalid date. Please enter again.");
const QString noEnd = QStringLiteral("2 EYear2 emptied: Invalid date. Please enter again.");
const QString startTooEarly =
    QStringLiteral("2 EDay1: Start date should not be earlier than 01 April ");
const QString startNotBeforeEnd =
    QStringLiteral("2 EDay1: Start date must be earlier than end date.");
const QString noResidenceAddress =
    QStringLiteral("3 Q1Address1: Please enter address of Place of Residence.");

// A failure as "page focus-column[ emptied]: message"; empty when the record passes.
QString describe(const std::optional<PageFailure>& failure) {
    if (!failure)
        return {};
    return QStringLiteral("%1 %2%3: %4")
        .arg(failure->page)
        .arg(failure->focusColumn, failure->clearFocusField ? " emptied" : "", failure->message);
}

// The changes to the complete record, the return year, the visible page and the failure.
using RecordCase = std::tuple<QStringList, QString, int, QString>;

} // namespace

class TestPageChecks : public QObject {
    Q_OBJECT
private slots:
    void checkRecord_data();
    void checkRecord();
    void visiblePageIsCheckedFirst();
    void upperCasedNames_data();
    void upperCasedNames();
};

void TestPageChecks::checkRecord_data() {
    QTest::addColumn<RecordCase>("recordCase");
    const auto row = [](const char* name, const QStringList& changes, const QString& failure,
                        int visiblePage = 1, const char* year = "2000") {
        QTest::newRow(name) << RecordCase{changes, year, visiblePage, failure};
    };

    row("valid: the whole return year", {}, "");
    row("valid: replacement with sheet number", {"Status=R", "SheetNo=7"}, "");
    row("valid: address on the second line only", {"RAddress1= ", "RAddress2=Flat A"}, "");
    row("valid: residence given in full",
        {"QFlag=1", "Q1Address2=Flat B", "Q1Nature=Flat", "Q1Period=1999-2000"}, "");
    row("valid: overseas company named", {"OSeaFlag=1", "OSeaName=Acme Ltd"}, "");
    row("boundary: two-day period at the start", period("01041999", "02041999"), "");
    row("boundary: leap day as end", period("01041999", "29022000"), "");
    row("valid: later return year", period("01042023", "31032024"), "", 1, "2024");

    row("invalid: supplementary without sheet number", {"Status=S", "SheetNo= "},
        "1" + noSheetNumber);
    row("invalid: replacement without sheet number", {"Status=R", "SheetNo="}, "1" + noSheetNumber);
    row("order: sheet number before surname", {"Status=S", "SheetNo=", "Surname="},
        "1" + noSheetNumber);
    row("invalid: no surname", {"Surname=  "}, "1 Surname: Please enter surname.");
    row("invalid: no other names", {"FirstName="}, "1 FirstName: Please enter other names.");
    row("invalid: no sex", {"Sex="}, "1 Sex: Please enter sex.");
    row("invalid: no residential address", {"RAddress1= ", "RAddress2= "},
        "1 RAddress1: Please enter residential address.");
    row("invalid: no area code", {"RAreaCode="}, "1 RAreaCode: Please enter Area Code.");
    row("invalid: no capacity", {"Capacity= "}, "1 Capacity: Please enter capacity.");

    for (const char* part : {"EDay1", "EMonth1", "EYear1", "EDay2", "EMonth2", "EYear2"})
        row(qPrintable(QStringLiteral("invalid: no %1").arg(part)), {QString(part) + "= "},
            "2 " + QString(part) + noPeriod);
    row("order: first empty part in field order", {"EDay2=", "EMonth1="}, "2 EMonth1" + noPeriod);
    row("invalid: start day of one digit", {"EDay1=1"}, noStart);
    row("invalid: 31 April as start", period("31041999", "31032000"), noStart);
    row("invalid: 29 February 1999 as end", period("01041999", "29021999"), noEnd);
    row("invalid: start year 0000", {"EYear1=0000"}, noStart);
    row("invalid: end year 0000", {"EYear2=0000"}, noEnd);
    row("order: start date tested before end date", period("00041999", "32032000"), noStart);
    row("order: invalid date before the window", period("31021999", "01042000"), noStart);
    row("boundary: start on 31 March", period("31031999", "31032000"), startTooEarly + "1999.");
    row("boundary: end on 1 April", period("01041999", "01042000"),
        "2 EDay2: End date should not be later than 31 March 2000.");
    row("boundary: one-day period", period("15061999", "15061999"), startNotBeforeEnd);
    row("invalid: start after end inside the year", period("01022000", "01012000"),
        startNotBeforeEnd);
    row("order: early start before late end", period("31031999", "01042000"),
        startTooEarly + "1999.");
    row("order: window before start after end", period("01021999", "01011999"),
        startTooEarly + "1999.");
    row("invalid: period of another return year", {}, startTooEarly + "2023.", 1, "2024");

    row("invalid: no residence indicator", {"QFlag="},
        "3 QFlag: Please enter Place of Residence indicator.");
    row("invalid: residence without address", {"QFlag=1", "Q1Nature=Flat", "Q1Period=1999"},
        noResidenceAddress);
    row("invalid: only the second place given",
        {"QFlag=1", "Q2Address1=Flat C", "Q2Nature=Flat", "Q2Period=1999"}, noResidenceAddress);
    row("invalid: residence without nature", {"QFlag=1", "Q1Address2=Flat B", "Q1Period=1999"},
        "3 Q1Nature: Please enter nature of Place of Residence.");
    row("invalid: residence without period", {"QFlag=1", "Q1Address1=Flat B", "Q1Nature=Flat"},
        "3 Q1Period: Please enter period of Place of Residence.");
    row("invalid: no overseas indicator", {"OSeaFlag="},
        "4 OSeaFlag: Please enter overseas company indicator.");
    row("invalid: overseas company without name", {"OSeaFlag=1", "OSeaName= "},
        "4 OSeaName: Please enter name of overseas company.");

    row("order: the visible page first", {"Surname=", "QFlag="},
        "3 QFlag: Please enter Place of Residence indicator.", 3);
    row("order: then the others in page order", {"EDay1=", "QFlag="}, "2 EDay1" + noPeriod, 4);
}

void TestPageChecks::checkRecord() {
    QFETCH(RecordCase, recordCase);
    const auto& [changes, returnYear, visiblePage, failure] = recordCase;
    QCOMPARE(describe(::checkRecord(changed(changes), returnYear, visiblePage)), failure);
}

void TestPageChecks::visiblePageIsCheckedFirst() {
    QCOMPARE(checkOrder(1), (std::array{1, 2, 3, 4}));
    QCOMPARE(checkOrder(2), (std::array{2, 1, 3, 4}));
    QCOMPARE(checkOrder(3), (std::array{3, 1, 2, 4}));
    QCOMPARE(checkOrder(4), (std::array{4, 1, 2, 3}));
}

void TestPageChecks::upperCasedNames_data() {
    QTest::addColumn<FieldTexts>("fields");
    QTest::addColumn<FieldTexts>("expected");
    QTest::newRow("surname and both identity numbers")
        << FieldTexts{{"Surname", "chan"}, {"HKID", "a123456"}, {"SpouseHKID", "ab987654"}}
        << FieldTexts{{"Surname", "CHAN"}, {"HKID", "A123456"}, {"SpouseHKID", "AB987654"}};
    QTest::newRow("texts already upper case are left out")
        << FieldTexts{{"Surname", "CHAN"}, {"HKID", "a123456"}, {"SpouseHKID", ""}}
        << FieldTexts{{"HKID", "A123456"}};
    QTest::newRow("other names and passports keep their case")
        << FieldTexts{{"FirstName", "tai man"}, {"Passport", "x1 uk"}, {"Surname", "Mc Lee"}}
        << FieldTexts{{"Surname", "MC LEE"}};
}

void TestPageChecks::upperCasedNames() {
    QFETCH(FieldTexts, fields);
    QFETCH(FieldTexts, expected);
    QCOMPARE(::upperCasedNames(fields), expected);
}

QTEST_GUILESS_MAIN(TestPageChecks)
#include "tst_page_checks.moc"
