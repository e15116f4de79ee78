#include "records/page_checks.h"

#include <QTest>

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

const QString invalidDate = QStringLiteral("Invalid date. Please enter again.");
const QString noSheetNumber = QStringLiteral("Please enter sheet number.");
const QString noPeriod = QStringLiteral("Please enter period of employment.");
const QString startTooEarly = QStringLiteral("Start date should not be earlier than 01 April ");
const QString startNotBeforeEnd = QStringLiteral("Start date must be earlier than end date.");
const QString noResidenceAddress = QStringLiteral("Please enter address of Place of Residence.");

using Failure = std::optional<PageFailure>;

} // namespace

Q_DECLARE_METATYPE(Failure)

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
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("returnYear");
    QTest::addColumn<int>("visiblePage");
    QTest::addColumn<Failure>("expected");
    const auto passes = [](const char* name, const QStringList& changes,
                           const char* year = "2000") {
        QTest::newRow(name) << changes << QString(year) << 1 << Failure();
    };
    const auto fails = [](const char* name, const QStringList& changes, int page,
                          const QString& message, const char* focus, bool clear = false,
                          int visiblePage = 1, const char* year = "2000") {
        QTest::newRow(name) << changes << QString(year) << visiblePage
                            << Failure(PageFailure{page, message, focus, clear});
    };

    passes("valid: the whole return year", {});
    passes("valid: original without sheet number", {"SheetNo="});
    passes("valid: replacement with sheet number", {"Status=R", "SheetNo=7"});
    passes("valid: address on the second line only", {"RAddress1= ", "RAddress2=Flat A"});
    passes("valid: residence given in full",
           {"QFlag=1", "Q1Address2=Flat B", "Q1Nature=Flat", "Q1Period=1999-2000"});
    passes("valid: overseas company named", {"OSeaFlag=1", "OSeaName=Acme Ltd"});
    passes("boundary: two-day period at the start", period("01041999", "02041999"));
    passes("boundary: leap day as end", period("01041999", "29022000"));
    passes("valid: later return year", period("01042023", "31032024"), "2024");

    fails("invalid: supplementary without sheet number", {"Status=S", "SheetNo= "}, 1,
          noSheetNumber, "SheetNo");
    fails("invalid: replacement without sheet number", {"Status=R", "SheetNo="}, 1, noSheetNumber,
          "SheetNo");
    fails("order: sheet number before surname", {"Status=S", "SheetNo=", "Surname="}, 1,
          noSheetNumber, "SheetNo");
    fails("invalid: no surname", {"Surname=  "}, 1, "Please enter surname.", "Surname");
    fails("invalid: no other names", {"FirstName="}, 1, "Please enter other names.", "FirstName");
    fails("invalid: no sex", {"Sex="}, 1, "Please enter sex.", "Sex");
    fails("invalid: no residential address", {"RAddress1= ", "RAddress2= "}, 1,
          "Please enter residential address.", "RAddress1");
    fails("invalid: no area code", {"RAreaCode="}, 1, "Please enter Area Code.", "RAreaCode");
    fails("invalid: no capacity", {"Capacity= "}, 1, "Please enter capacity.", "Capacity");

    for (const char* part : {"EDay1", "EMonth1", "EYear1", "EDay2", "EMonth2", "EYear2"})
        fails(qPrintable(QStringLiteral("invalid: no %1").arg(part)), {QString(part) + "= "}, 2,
              noPeriod, part);
    fails("order: first empty part in field order", {"EDay2=", "EMonth1="}, 2, noPeriod, "EMonth1");
    fails("invalid: start day of one digit", {"EDay1=1"}, 2, invalidDate, "EYear1", true);
    fails("invalid: 31 April as start", period("31041999", "31032000"), 2, invalidDate, "EYear1",
          true);
    fails("invalid: 29 February 1999 as end", period("01041999", "29021999"), 2, invalidDate,
          "EYear2", true);
    fails("invalid: start year 0000", {"EYear1=0000"}, 2, invalidDate, "EYear1", true);
    fails("invalid: end year 0000", {"EYear2=0000"}, 2, invalidDate, "EYear2", true);
    fails("order: start date tested before end date", period("00041999", "32032000"), 2,
          invalidDate, "EYear1", true);
    fails("order: invalid date before the window", period("31021999", "01042000"), 2, invalidDate,
          "EYear1", true);
    fails("boundary: start on 31 March", period("31031999", "31032000"), 2, startTooEarly + "1999.",
          "EDay1");
    fails("boundary: end on 1 April", period("01041999", "01042000"), 2,
          "End date should not be later than 31 March 2000.", "EDay2");
    fails("boundary: one-day period", period("15061999", "15061999"), 2, startNotBeforeEnd,
          "EDay1");
    fails("invalid: start after end inside the year", period("01022000", "01012000"), 2,
          startNotBeforeEnd, "EDay1");
    fails("order: early start before late end", period("31031999", "01042000"), 2,
          startTooEarly + "1999.", "EDay1");
    fails("order: window before start after end", period("01021999", "01011999"), 2,
          startTooEarly + "1999.", "EDay1");
    fails("invalid: period of another return year", {}, 2, startTooEarly + "2023.", "EDay1", false,
          1, "2024");

    fails("invalid: no residence indicator", {"QFlag="}, 3,
          "Please enter Place of Residence indicator.", "QFlag");
    fails("invalid: residence without address", {"QFlag=1", "Q1Nature=Flat", "Q1Period=1999"}, 3,
          noResidenceAddress, "Q1Address1");
    fails("invalid: only the second place given",
          {"QFlag=1", "Q2Address1=Flat C", "Q2Nature=Flat", "Q2Period=1999"}, 3, noResidenceAddress,
          "Q1Address1");
    fails("invalid: residence without nature", {"QFlag=1", "Q1Address2=Flat B", "Q1Period=1999"}, 3,
          "Please enter nature of Place of Residence.", "Q1Nature");
    fails("invalid: residence without period", {"QFlag=1", "Q1Address1=Flat B", "Q1Nature=Flat"}, 3,
          "Please enter period of Place of Residence.", "Q1Period");
    fails("invalid: no overseas indicator", {"OSeaFlag="}, 4,
          "Please enter overseas company indicator.", "OSeaFlag");
    fails("invalid: overseas company without name", {"OSeaFlag=1", "OSeaName= "}, 4,
          "Please enter name of overseas company.", "OSeaName");

    fails("order: the visible page first", {"Surname=", "QFlag="}, 3,
          "Please enter Place of Residence indicator.", "QFlag", false, 3);
    fails("order: then the others in page order", {"EDay1=", "QFlag="}, 2, noPeriod, "EDay1", false,
          4);
}

void TestPageChecks::checkRecord() {
    QFETCH(QStringList, changes);
    QFETCH(QString, returnYear);
    QFETCH(int, visiblePage);
    QFETCH(Failure, expected);
    const Failure failure = ::checkRecord(changed(changes), returnYear, visiblePage);
    QCOMPARE(failure ? failure->message : QString(), expected ? expected->message : QString());
    QVERIFY(failure == expected);
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
    QTest::newRow("fields the screen did not give") << FieldTexts{} << FieldTexts{};
}

void TestPageChecks::upperCasedNames() {
    QFETCH(FieldTexts, fields);
    QFETCH(FieldTexts, expected);
    QCOMPARE(::upperCasedNames(fields), expected);
}

QTEST_GUILESS_MAIN(TestPageChecks)
#include "tst_page_checks.moc"
