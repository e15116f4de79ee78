#include "core/employer/employer_rules.h"
#include "store/returns/return_list.h"
#include "support/return_folders.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

using returnfiles::ListedReturn;

namespace {

QStringList rowsOf(const QList<ListedReturn>& returns) {
    QStringList rows;
    for (const ListedReturn& entry : returns)
        rows << QStringLiteral("%1|%2|%3|%4|%5|%6")
                    .arg(entry.name, entry.summary.employerName,
                         wholeFileNumber(entry.summary.section, entry.summary.fileNumber),
                         entry.summary.returnYear)
                    .arg(entry.summary.recordCount)
                    .arg(conditionWord(entry.condition));
    return rows;
}

QString conditionOf(const QList<ListedReturn>& returns, const QString& name) {
    for (const ListedReturn& entry : returns)
        if (entry.name == name)
            return conditionWord(entry.condition);
    return QStringLiteral("(not listed)");
}

} // namespace

class TestReturnList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void listsEachReturnWithItsFacts();
    void conditions_data();
    void conditions();
    void removeMovesTheFolderAside();

private:
    std::unique_ptr<TempFolder> m_root;
    returnfiles::Workspace m_workspace;
};

// A workspace of two returns, with the program folder of earlier versions beside it.
void TestReturnList::init() {
    m_root = std::make_unique<TempFolder>();
    m_workspace = {m_root->file(QStringLiteral("returns")), m_root->file(QStringLiteral("xw73d"))};
    makeReturn(m_workspace.folder + QStringLiteral("/acme"), QStringLiteral("ACME TRADING LTD"),
               QStringLiteral("2024"), 3);
    makeReturn(m_workspace.folder + QStringLiteral("/beta"), QStringLiteral("BETA LTD"),
               QStringLiteral("2023"), 1);
    makeReturn(m_workspace.userProgramFolder, QStringLiteral("OLD CO"), QStringLiteral("2022"), 2,
               false);
}

void TestReturnList::listsEachReturnWithItsFacts() {
    QDir().mkpath(m_workspace.folder + QStringLiteral("/removed/gone"));
    QDir().mkpath(m_workspace.folder + QStringLiteral("/empty"));
    QCOMPARE(rowsOf(returnfiles::listReturns(m_workspace)),
             QStringList({"acme|ACME TRADING LTD|6A1-12345676|2024|3|",
                          "beta|BETA LTD|6A1-12345676|2023|1|", "xw73d||||0|no summary"}));
    const QFile summary(m_workspace.folder + QStringLiteral("/acme/") +
                        returnfiles::summaryFileName);
    // Readable by the user alone: nothing for the group or others.
    QCOMPARE(summary.permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    QVERIFY(returnfiles::findReturn(m_workspace, QStringLiteral("beta")));
    QVERIFY(!returnfiles::findReturn(m_workspace, QStringLiteral("removed")));
}

// What is done to the return "acme"; the word its row shows; "beta" stays ready throughout.
void TestReturnList::conditions_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("word");
    QTest::newRow("database cut short") << "cut"
                                        << "damaged";
    QTest::newRow("database missing") << "delete"
                                      << "damaged";
    QTest::newRow("summary unreadable") << "garble"
                                        << "damaged";
    QTest::newRow("held by another copy") << "hold"
                                          << "in use";
    QTest::newRow("open in this copy") << "here"
                                       << "open";
}

void TestReturnList::conditions() {
    QFETCH(QString, change);
    QFETCH(QString, word);
    const QString acme = m_workspace.folder + QStringLiteral("/acme");
    QFile database(databasePath(acme, DatabaseFile::Working));
    QProcess holder;
    if (change == u"cut")
        QVERIFY(database.resize(1000));
    if (change == u"delete")
        QVERIFY(database.remove());
    if (change == u"garble") {
        QFile summary(acme + u'/' + returnfiles::summaryFileName);
        QVERIFY(summary.open(QIODevice::WriteOnly) && summary.write("{\"layout\":1,"));
    }
    if (change == u"hold") {
        holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/hold_database"),
                     {database.fileName(), schema::defaultPassword});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("open"));
    }
    const QList<ListedReturn> returns =
        returnfiles::listReturns(m_workspace, change == u"here" ? acme : QString());
    QCOMPARE(conditionOf(returns, QStringLiteral("acme")), word);
    QCOMPARE(conditionOf(returns, QStringLiteral("beta")), QString());
    if (change == u"hold") {
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(conditionOf(returnfiles::listReturns(m_workspace), QStringLiteral("acme")),
                 QString());
    }
}

// Nothing is deleted: the folder goes to "removed" whole, a second of the name beside it.
void TestReturnList::removeMovesTheFolderAside() {
    const QString before = checksumsOf(m_workspace.folder + QStringLiteral("/acme"));
    for (const QString& expected : {QStringLiteral("acme"), QStringLiteral("acme (2)")}) {
        if (expected != u"acme")
            makeReturn(m_workspace.folder + QStringLiteral("/acme"), QStringLiteral("ACME"),
                       QStringLiteral("2025"), 1);
        const std::optional<ListedReturn> acme =
            returnfiles::findReturn(m_workspace, QStringLiteral("acme"));
        QVERIFY(acme);
        QCOMPARE(returnfiles::moveToRemoved(m_workspace, *acme),
                 m_workspace.folder + QStringLiteral("/removed/") + expected);
        QVERIFY(!returnfiles::findReturn(m_workspace, QStringLiteral("acme")));
    }
    QCOMPARE(checksumsOf(m_workspace.folder + QStringLiteral("/removed/acme")), before);
    ListedReturn open = *returnfiles::findReturn(m_workspace, QStringLiteral("beta"));
    open.condition = ReturnCondition::OpenHere;
    QVERIFY_THROWS_EXCEPTION(EngineError, returnfiles::moveToRemoved(m_workspace, open));
    QVERIFY(returnfiles::findReturn(m_workspace, QStringLiteral("beta")));
}

QTEST_GUILESS_MAIN(TestReturnList)
#include "tst_return_list.moc"
