#include "store/returns/next_year.h"
#include "store/returns/summary_file.h"
#include "store/startup/password_change.h"
#include "support/return_folders.h"

#include <QTest>

class TestNextYear : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void makesNextYearFromPageOne_data();
    void makesNextYearFromPageOne();
    void failureLeavesNothing_data();
    void failureLeavesNothing();

private:
    // The new return's records: type, sheet number and names, in their order.
    QStringList recordsOf(Database& made);
    qint64 filledLaterPages(Database& made);

    std::unique_ptr<TempFolder> m_root;
    QString m_source;
    std::optional<Database> m_login;
};

// The return of 2024, logged in, with three records whose later pages are filled: CHAN left in
// September, HO stays to the year's end, LEE has no period typed; LEE is a replacement.
void TestNextYear::init() {
    m_root = std::make_unique<TempFolder>();
    m_source = m_root->file(QStringLiteral("acme"));
    makeReturn(m_source, QStringLiteral("ACME TRADING LTD"), QStringLiteral("2024"), 0);
    m_login = Database::open(databasePath(m_source, DatabaseFile::Working),
                             {.password = schema::defaultPassword});
    const auto add = [this](const QString& surname, const QString& status, const QString& sheet,
                            const QString& lastDay) {
        RowValues row = emptyRow(employeeColumns());
        const auto set = [&row](const char* name, const QVariant& value) {
            row[columnIndex(employeeColumns(), name)] = value;
        };
        set("ID", surname.size());
        set("Status", status);
        set("SheetNo", sheet);
        set("Surname", surname);
        set("FirstName", QStringLiteral("TAI MAN"));
        set("HKID", QStringLiteral("A123456"));
        set("Capacity", QStringLiteral("CLERK"));
        if (!lastDay.isEmpty()) {
            set("EDay2", lastDay.left(2));
            set("EMonth2", lastDay.mid(2, 2));
            set("EYear2", lastDay.mid(4));
        }
        set("aIncome", QStringLiteral("120,000"));
        set("QFlag", 1);
        set("Remark", QStringLiteral("NOTE"));
        insertRow(*m_login, table::employee, employeeColumns(), row);
    };
    add(QStringLiteral("CHAN"), QStringLiteral("O"), QStringLiteral("1"),
        QStringLiteral("30092023"));
    add(QStringLiteral("HO"), QStringLiteral("O"), QStringLiteral("2"), QStringLiteral("31032024"));
    add(QStringLiteral("LEE"), QStringLiteral("R"), QStringLiteral("17"), QString());
}

void TestNextYear::cleanup() {
    m_login.reset();
}

QStringList TestNextYear::recordsOf(Database& made) {
    Statement read = made.prepare(QStringLiteral(
        "SELECT Status, SheetNo, Surname, FirstName, HKID, Capacity, ID FROM employee "
        "WHERE Status <> 'H' ORDER BY rowid"));
    QStringList records;
    while (read.next()) {
        QStringList values;
        for (int column = 0; column < 7; ++column)
            values << read.value(column).toString();
        records << values.join(u'|');
    }
    return records;
}

qint64 TestNextYear::filledLaterPages(Database& made) {
    QStringList tests;
    for (const ColumnDef& column : yearDependentColumns())
        tests << QStringLiteral("(\"%1\" IS NOT NULL)").arg(QLatin1String(column.name));
    Statement read = made.prepare(
        QStringLiteral("SELECT sum(%1) FROM employee").arg(tests.join(QStringLiteral(" + "))));
    read.next();
    return read.value(0).toLongLong();
}

void TestNextYear::makesNextYearFromPageOne_data() {
    QTest::addColumn<bool>("carryOver");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("records");
    const QString ho = QStringLiteral("O| |HO|TAI MAN|A123456|CLERK|2");
    const QString lee = QStringLiteral("O| |LEE|TAI MAN|A123456|CLERK|3");
    const QString chan = QStringLiteral("O| |CHAN|TAI MAN|A123456|CLERK|4");
    QTest::newRow("leavers left out") << false << QStringLiteral("qvz") << QStringList{ho, lee};
    QTest::newRow("leavers carried over")
        << true << QStringLiteral("qvz") << QStringList{chan, ho, lee};
    QTest::newRow("password of the open return")
        << false << QStringLiteral("Ab12") << QStringList{ho, lee};
}

void TestNextYear::makesNextYearFromPageOne() {
    QFETCH(bool, carryOver);
    QFETCH(QString, password);
    QFETCH(QStringList, records);
    if (password != schema::defaultPassword)
        changeDatabasePassword(m_login, schema::defaultPassword, password);
    const QList<nextyear::EndedEmployee> ended = nextyear::endedEmployees(*m_login);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().name, QStringLiteral("CHAN, TAI MAN"));
    const QString before = checksumsOf(m_source);
    const QString target = m_root->file(QStringLiteral("acme 2025"));
    QList<qint64> told;
    const nextyear::Result result = nextyear::makeNextYearReturn(
        *m_login, {target, password, carryOver}, [&told](qint64 done, qint64) { told << done; });
    QCOMPARE(checksumsOf(m_source), before);
    QCOMPARE(result.returnYear, QStringLiteral("2025"));
    QCOMPARE(result.records, records.size());
    QCOMPARE(told.last(), 3);
    QVERIFY_THROWS_EXCEPTION(EngineError,
                             Database::open(databasePath(target, DatabaseFile::Working),
                                            {.password = QStringLiteral("wrong1")}));
    Database made =
        Database::open(databasePath(target, DatabaseFile::Working), {.password = password});
    const EmployerData employer = employertable::readEmployer(made).data;
    QCOMPARE(QStringList({employer.returnYear, employer.name, employer.section, employer.fileNumber,
                          employer.designation, employer.submissionDate}),
             QStringList({"2025", "ACME TRADING LTD", "A", "12345676", "MANAGER", ""}));
    QCOMPARE(recordsOf(made), records);
    QCOMPARE(filledLaterPages(made), 0);
    const returnfiles::SummaryRead summary = returnfiles::readSummary(target);
    QVERIFY(summary.summary);
    QCOMPARE(summary.summary->recordCount, records.size());
    QCOMPARE(summary.summary->returnYear, QStringLiteral("2025"));
}

// A failure part-way, or a target that exists, leaves the workspace as it was.
void TestNextYear::failureLeavesNothing_data() {
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("failure while copying") << false;
    QTest::newRow("target exists") << true;
}

void TestNextYear::failureLeavesNothing() {
    QFETCH(bool, targetExists);
    const QString target = m_root->file(QStringLiteral("next"));
    if (targetExists)
        QVERIFY(QDir().mkpath(target));
    const QStringList entries = entriesIn(m_root->path());
    const QString before = checksumsOf(m_root->path());
    QVERIFY_THROWS_EXCEPTION(
        EngineError, nextyear::makeNextYearReturn(
                         *m_login, {target, schema::defaultPassword, true}, [](qint64, qint64) {
                             throw EngineError(engine::DiskFull, QStringLiteral("full"));
                         }));
    QCOMPARE(entriesIn(m_root->path()), entries);
    QCOMPARE(checksumsOf(m_root->path()), before);
}

QTEST_GUILESS_MAIN(TestNextYear)
#include "tst_next_year.moc"
