#include "core/records/name_list.h"

#include "core/common/engine_error.h"

#include <QTest>

namespace {

QStringList texts(const NameList& list) {
    QStringList all;
    for (const NameListEntry& entry : list.entries)
        all << (entry.level == 1 ? entry.text : QStringLiteral("  ") + entry.text);
    return all;
}

QStringList letters(QChar from, QChar to) {
    QStringList all;
    for (char16_t c = from.unicode(); c <= to.unicode(); ++c)
        all << QString(QChar(c));
    return all;
}

} // namespace

class TestNameList : public QObject {
    Q_OBJECT
private slots:
    void namesStandUnderTheirLetters();
    void emptyTableGivesTheLetters();
    void oddSurnamesDoNotHideOthers();
    void missingFirstNameIsReported();
    void searchFailure_data();
    void searchFailure();
    void takeToken_data();
    void takeToken();
    void splitNameEntry_data();
    void splitNameEntry();
};

void TestNameList::namesStandUnderTheirLetters() {
    const NameList list = buildNameList({{QStringLiteral("SMITH"), QStringLiteral("JOHN")},
                                         {QStringLiteral("SMITH"), QStringLiteral("PETER")},
                                         {QStringLiteral("WONG"), QStringLiteral("ANNA")}});
    const QStringList expected =
        letters(u'A', u'S') + QStringList{"  SMITH, JOHN", "  SMITH, PETER"} + letters(u'T', u'W') +
        QStringList{"  WONG, ANNA"} + letters(u'X', u'Z');
    QCOMPARE(texts(list), expected);
}

void TestNameList::emptyTableGivesTheLetters() {
    QCOMPARE(texts(buildNameList({})), letters(u'A', u'Z'));
}

void TestNameList::oddSurnamesDoNotHideOthers() {
    const NameList list = buildNameList({{QStringLiteral("1ST COMPANY"), QStringLiteral("LTD")},
                                         {QVariant(), QStringLiteral("NOBODY")},
                                         {QStringLiteral("chan"), QStringLiteral("tai man")},
                                         {QStringLiteral("O'BRIEN"), QStringLiteral("JAMES")},
                                         {QStringLiteral("ZHANG"), QStringLiteral("WEI")},
                                         {QStringLiteral("\u9673"), QStringLiteral("X")}});
    const QStringList all = texts(list);
    QCOMPARE(all.size(), 26 + 3);
    QCOMPARE(all.indexOf("  chan, tai man"), all.indexOf("C") + 1);
    QCOMPARE(all.indexOf("  O'BRIEN, JAMES"), all.indexOf("O") + 1);
    QCOMPARE(all.last(), QStringLiteral("  ZHANG, WEI"));
}

void TestNameList::missingFirstNameIsReported() {
    const NameList list = buildNameList(
        {{QStringLiteral("LEE"), QVariant()}, {QStringLiteral("LEE"), QStringLiteral("")}});
    QCOMPARE(list.withoutFirstName, QStringList{"LEE"});
    QVERIFY(texts(list).contains("  LEE, "));
}

void TestNameList::takeToken_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("rest");
    const auto row = [](const char* name, const char* text, const char* token, const char* rest) {
        QTest::newRow(name) << QString(text) << QString(token) << QString(rest);
    };
    row("plain", "SMITH, JOHN", "SMITH", " JOHN");
    row("no delimiter", "  SMITH  ", "SMITH", "");
    row("comma inside quotes", "\"A,B\", C", "A,B", " C");
    row("unclosed quote", "\"A,B", "A,B", "");
    row("second comma stays", "A, B, C", "A", " B, C");
    row("empty", "", "", "");
}

void TestNameList::takeToken() {
    QFETCH(QString, text);
    QFETCH(QString, token);
    QFETCH(QString, rest);
    QCOMPARE(::takeToken(text, u','), token);
    QCOMPARE(text, rest);
}

void TestNameList::splitNameEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<bool>("hasFirstName");
    QTest::addColumn<QString>("firstName");
    const auto row = [](const char* name, const char* entry, const char* surname, bool has,
                        const char* firstName) {
        QTest::newRow(name) << QString(entry) << QString(surname) << has << QString(firstName);
    };
    row("two names", "SMITH, PETER", "SMITH", true, "PETER");
    row("apostrophe", "O'BRIEN, JAMES", "O'BRIEN", true, "JAMES");
    row("empty other names", "LEE, ", "LEE", true, "");
    row("no comma", "LEE", "LEE", false, "");
}

void TestNameList::splitNameEntry() {
    QFETCH(QString, entry);
    QFETCH(QString, surname);
    QFETCH(bool, hasFirstName);
    QFETCH(QString, firstName);
    const ChosenName chosen = ::splitNameEntry(entry);
    QCOMPARE(chosen.surname, surname);
    QCOMPARE(chosen.firstName.has_value(), hasFirstName);
    if (hasFirstName)
        QCOMPARE(*chosen.firstName, firstName);
}

// Only criteria the engine refused for a surname with an apostrophe get the advice to browse;
// every other failure is told as it is.
void TestNameList::searchFailure_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<bool>("advice");
    QTest::newRow("bad criteria, apostrophe") << int(engine::BadCriteria) << "O'BRIEN" << true;
    QTest::newRow("bad criteria, plain name") << int(engine::BadCriteria) << "OBRIEN" << false;
    QTest::newRow("disk error, apostrophe") << int(engine::DiskError) << "O'BRIEN" << false;
}

void TestNameList::searchFailure() {
    QFETCH(int, number);
    QFETCH(QString, surname);
    QFETCH(bool, advice);
    const QString shown =
        nameSearchFailure(EngineError(number, QStringLiteral("as told")), surname);
    QCOMPARE(shown.contains(QStringLiteral("search function cannot be used")), advice);
    QCOMPARE(shown == QStringLiteral("as told"), !advice);
}

QTEST_APPLESS_MAIN(TestNameList)
#include "tst_name_list.moc"
