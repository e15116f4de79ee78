#include "core/records/editor_texts.h"

#include <QTest>

using namespace editortexts;

class TestEditorTexts : public QObject {
    Q_OBJECT
private slots:
    void employerNamed_data();
    void employerNamed();
    void recordPositionFollowsTheControl_data();
    void recordPositionFollowsTheControl();
    void commandResultsInWords_data();
    void commandResultsInWords();
    void fieldsShowTheirFormat_data();
    void fieldsShowTheirFormat();
};

EmployerData employer(const QString& name, const QString& section, const QString& number,
                      const QString& year) {
    EmployerData data;
    data.name = name;
    data.section = section;
    data.fileNumber = number;
    data.returnYear = year;
    return data;
}

// The title keeps the program's caption first; what is not known yet is left out, not shown as
// an empty gap.
void TestEditorTexts::employerNamed_data() {
    QTest::addColumn<EmployerData>("data");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("line");
    QTest::newRow("valid: all known") << employer("ACME LIMITED", "A", "12345678", "2001")
                                      << QStringLiteral("XW73D 3.4 \u2014 ACME LIMITED, 2001")
                                      << "ACME LIMITED   6A1-12345678   Return year 2001";
    QTest::newRow("valid: leading zeros of the number kept")
        << employer("B & CO", "Z", "00000123", "2026")
        << QStringLiteral("XW73D 3.4 \u2014 B & CO, 2026")
        << "B & CO   6Z1-00000123   Return year 2026";
    QTest::newRow("boundary: spaces around the parts")
        << employer(" ACME ", " A ", " 12345678 ", " 2001 ")
        << QStringLiteral("XW73D 3.4 \u2014 ACME, 2001")
        << "ACME   6A1-12345678   Return year 2001";
    QTest::newRow("boundary: only the year")
        << employer("", "", "", "2001") << QStringLiteral("XW73D 3.4 \u2014 2001")
        << "Return year 2001";
    QTest::newRow("boundary: nothing known") << employer("", "", "", "") << "XW73D 3.4"
                                             << "";
}

void TestEditorTexts::employerNamed() {
    QFETCH(EmployerData, data);
    QFETCH(QString, title);
    QFETCH(QString, line);
    QCOMPARE(windowTitle(QStringLiteral("XW73D 3.4"), data), title);
    QCOMPARE(employerLine(data), line);
}

void TestEditorTexts::recordPositionFollowsTheControl_data() {
    QTest::addColumn<CommandState>("state");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("valid: first") << CommandState::Browsing << 0 << 3 << "Record 1 of 3";
    QTest::newRow("valid: last, grouped")
        << CommandState::Browsing << 49999 << 50000 << "Record 50,000 of 50,000";
    QTest::newRow("valid: an edited record keeps its place")
        << CommandState::Editing << 1233 << 3000 << "Record 1,234 of 3,000";
    QTest::newRow("valid: a new record") << CommandState::NewRecord << 2 << 3 << "New record";
    QTest::newRow("boundary: past the last row") << CommandState::Browsing << 3 << 3 << "No record";
    QTest::newRow("boundary: before the first row")
        << CommandState::Browsing << -1 << 3 << "No record";
    QTest::newRow("boundary: no rows") << CommandState::Browsing << 0 << 0 << "No record";
}

void TestEditorTexts::recordPositionFollowsTheControl() {
    QFETCH(CommandState, state);
    QFETCH(int, position);
    QFETCH(int, count);
    QFETCH(QString, text);
    QCOMPARE(recordPosition(state, position, count), text);
}

// The delete question keeps its own words first and names the record below them.
void TestEditorTexts::commandResultsInWords_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString question = QStringLiteral("Delete 1 employee record!");
    QTest::newRow("valid: saved") << recordSaved("CHAN", "TAI MAN")
                                  << "Record of CHAN, TAI MAN saved.";
    QTest::newRow("boundary: saved without other names")
        << recordSaved("CHAN", " ") << "Record of CHAN saved.";
    QTest::newRow("valid: deleted")
        << recordDeleted("WONG", "ANNA") << "Record of WONG, ANNA deleted.";
    QTest::newRow("valid: many records") << recordCount(1234) << "1,234 records";
    QTest::newRow("boundary: one record") << recordCount(1) << "1 record";
    QTest::newRow("boundary: no record") << recordCount(0) << "0 records";
    QTest::newRow("valid: many numbered")
        << recordsNumbered(1234) << "1,234 original records numbered.";
    QTest::newRow("boundary: one numbered") << recordsNumbered(1) << "1 original record numbered.";
    QTest::newRow("boundary: none numbered")
        << recordsNumbered(0) << "0 original records numbered.";
    QTest::newRow("valid: delete with identity number")
        << deleteQuestion(question, "CHAN", "TAI MAN", "A123456", "3")
        << "Delete 1 employee record!\n\nCHAN, TAI MAN   A123456(3)";
    QTest::newRow("valid: delete without identity number")
        << deleteQuestion(question, "CHAN", "TAI MAN", "", "")
        << "Delete 1 employee record!\n\nCHAN, TAI MAN";
    QTest::newRow("boundary: identity number without check character")
        << deleteQuestion(question, "CHAN", "", "A123456", " ")
        << "Delete 1 employee record!\n\nCHAN   A123456";
    QTest::newRow("boundary: a record without names")
        << deleteQuestion(question, "", "", "", "") << "Delete 1 employee record!";
}

void TestEditorTexts::commandResultsInWords() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestEditorTexts::fieldsShowTheirFormat_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("hint");
    QTest::newRow("valid: income period") << "tPeriod" << 0 << "YYYYMMDD - YYYYMMDD";
    QTest::newRow("valid: last income period") << "tPeriod" << 14 << "YYYYMMDD - YYYYMMDD";
    QTest::newRow("valid: residence period") << "tPage3" << 3 << "YYYYMMDD - YYYYMMDD";
    QTest::newRow("valid: start day") << "tddmmyy" << 0 << "DD";
    QTest::newRow("valid: start month") << "tddmmyy" << 1 << "MM";
    QTest::newRow("valid: start year") << "tddmmyy" << 2 << "YYYY";
    QTest::newRow("valid: end day") << "tddmmyy" << 3 << "DD";
    QTest::newRow("valid: end year") << "tddmmyy" << 5 << "YYYY";
    QTest::newRow("invalid: an amount shows none") << "tIncome" << 0 << "";
    QTest::newRow("invalid: the surname shows none") << "tPage1" << 0 << "";
}

void TestEditorTexts::fieldsShowTheirFormat() {
    QFETCH(QString, control);
    QFETCH(int, element);
    QFETCH(QString, hint);
    const EditorField* field = findField(control, element);
    QVERIFY(field);
    QCOMPARE(formatHint(*field), hint);
}

QTEST_GUILESS_MAIN(TestEditorTexts)
#include "tst_editor_texts.moc"
