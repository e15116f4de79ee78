#include "core/returns/return_summary.h"
#include "core/returns/workspace_rules.h"

#include <QTest>

class TestWorkspaceRules : public QObject {
    Q_OBJECT
private slots:
    void summaryReadsBackAsWritten();
    void unreadableSummaries_data();
    void unreadableSummaries();
    void endedBeforeNextYear_data();
    void endedBeforeNextYear();
    void names_data();
    void names();
    void captionNamesTheReturnAfterTheCaption_data();
    void captionNamesTheReturnAfterTheCaption();
};

void TestWorkspaceRules::summaryReadsBackAsWritten() {
    ReturnSummary summary{QStringLiteral("ACME TRADING LTD"),
                          QStringLiteral("A"),
                          QStringLiteral("12345678"),
                          QStringLiteral("2024"),
                          30000,
                          QDateTime(QDate(2024, 5, 2), QTime(9, 15, 30)),
                          {}};
    const std::optional<ReturnSummary> read = summaryFromText(::summaryText(summary));
    QVERIFY(read);
    QCOMPARE(read->employerName, summary.employerName);
    QCOMPARE(read->section + read->fileNumber, QStringLiteral("A12345678"));
    QCOMPARE(read->returnYear, summary.returnYear);
    QCOMPARE(read->recordCount, 30000);
    QCOMPARE(read->lastChange, summary.lastChange);
    QVERIFY(!read->lastSave.isValid());
}

// Only a whole summary of this layout is read; anything else makes the list say so.
void TestWorkspaceRules::unreadableSummaries_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("readable");
    QTest::newRow("complete") << QByteArray(R"({"layout":1,"employer":"X","records":3})") << true;
    QTest::newRow("no records") << QByteArray(R"({"layout":1,"employer":"X"})") << false;
    QTest::newRow("negative count") << QByteArray(R"({"layout":1,"records":-1})") << false;
    QTest::newRow("other layout") << QByteArray(R"({"layout":2,"records":3})") << false;
    QTest::newRow("cut short") << QByteArray(R"({"layout":1,"records":3)") << false;
    QTest::newRow("not an object") << QByteArray("[1,2]") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestWorkspaceRules::unreadableSummaries() {
    QFETCH(QByteArray, text);
    QFETCH(bool, readable);
    QCOMPARE(summaryFromText(text).has_value(), readable);
}

// The return year 2024 ends on 31 March 2024; whoever left before that day is not employed when
// the next year begins.
void TestWorkspaceRules::endedBeforeNextYear_data() {
    QTest::addColumn<QString>("lastDay");
    QTest::addColumn<bool>("ended");
    QTest::newRow("left in the year") << "30092023" << true;
    QTest::newRow("left the day before the year's end") << "30032024" << true;
    QTest::newRow("employed to the year's end") << "31032024" << false;
    QTest::newRow("no last day") << "" << false;
    QTest::newRow("not a date") << "31022024" << false;
    QTest::newRow("cut short") << "3003202" << false;
}

void TestWorkspaceRules::endedBeforeNextYear() {
    QFETCH(QString, lastDay);
    QFETCH(bool, ended);
    QCOMPARE(workspace::endedBeforeNextYear(lastDay, QStringLiteral("2024")), ended);
}

// The name proposed for a new folder, or the refusal of a name typed ("ok" when accepted), with
// "acme 2025" taken.
void TestWorkspaceRules::names_data() {
    QTest::addColumn<QString>("employer");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("employer and year") << "ACME"
                                       << "2024"
                                       << "ACME 2024";
    QTest::newRow("taken in another case") << "ACME"
                                           << "2025"
                                           << "ACME 2025 (2)";
    QTest::newRow("separator made safe") << "A/B LTD"
                                         << "2024"
                                         << "A_B LTD 2024";
    QTest::newRow("no employer yet") << ""
                                     << ""
                                     << "Return";
}

void TestWorkspaceRules::names() {
    QFETCH(QString, employer);
    QFETCH(QString, year);
    QFETCH(QString, proposed);
    const QStringList taken{QStringLiteral("acme 2025")};
    QCOMPARE(workspace::proposedName(employer, year, taken), proposed);
    QVERIFY(!workspace::nameRefusal(proposed, taken));
    QVERIFY(workspace::nameRefusal(QStringLiteral("ACME 2025"), taken));
    QVERIFY(workspace::nameRefusal(QStringLiteral("a/b"), taken));
    QVERIFY(workspace::nameRefusal(QStringLiteral("Removed"), taken));
    QVERIFY(workspace::nameRefusal(QStringLiteral(".hidden"), taken));
    QVERIFY(workspace::nameRefusal(QStringLiteral("  "), taken));
}

void TestWorkspaceRules::captionNamesTheReturnAfterTheCaption_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("caption");
    QTest::newRow("both") << "ACME TRADING LTD"
                          << "2024" << QStringLiteral("Login Window \u2014 ACME TRADING LTD, 2024");
    QTest::newRow("year only") << ""
                               << "2024" << QStringLiteral("Login Window \u2014 2024");
    QTest::newRow("nothing known") << " "
                                   << ""
                                   << "Login Window";
}

void TestWorkspaceRules::captionNamesTheReturnAfterTheCaption() {
    QFETCH(QString, name);
    QFETCH(QString, year);
    QFETCH(QString, caption);
    QCOMPARE(QStringLiteral("Login Window") + returnCaption(name, year), caption);
}

QTEST_APPLESS_MAIN(TestWorkspaceRules)
#include "tst_workspace_rules.moc"
