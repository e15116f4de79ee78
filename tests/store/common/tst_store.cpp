#include "core/common/columns.h"
#include "store/common/database.h"
#include "store/common/rows.h"
#include "store/common/schema.h"
#include "store/startup/password_change.h"
#include "support/engine_errors.h"
#include "support/working_database.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <limits>
#include <optional>

namespace {

Database openWorking(const TempFolder& folder, const QString& password = schema::defaultPassword) {
    return Database::open(folder.file(schema::workingFile),
                          OpenOptions{.password = password, .exclusive = true});
}

// A program folder holding a freshly created working database.
struct WorkingFolder : TempFolder {
    WorkingFolder() {
        createDatabaseFile(path(), DatabaseFile::Working);
        createEmployerTable(path(), DatabaseFile::Working);
        createEmployeeTable(path(), DatabaseFile::Working);
    }
};

QStringList tableColumns(Database& db, const char* table) {
    QStringList names;
    Statement info = db.prepare(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    while (info.next())
        names << info.value(1).toString();
    return names;
}

QStringList definedColumns(Columns columns) {
    QStringList names;
    for (const ColumnDef& column : columns)
        names << QLatin1String(column.name);
    return names;
}

int rowCount(Database& db, const char* table) {
    Statement count = db.prepare(QStringLiteral("select count(*) from %1").arg(table));
    count.next();
    return count.value(0).toInt();
}

// Runs the sqlcipher command-line client on the file with an optional key.
QString sqlcipherOutput(const QString& path, const QString& key, const QString& sql) {
    QProcess client;
    client.start(QStringLiteral("sqlcipher"), {path});
    const QString script =
        (key.isEmpty() ? QString() : QStringLiteral("PRAGMA key='%1';\n").arg(key)) + sql + '\n';
    client.write(script.toUtf8());
    client.closeWriteChannel();
    client.waitForFinished();
    return QString::fromUtf8(client.readAllStandardOutput() + client.readAllStandardError());
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void freshDatabaseHoldsBothTablesAndTheirFirstRows();
    void freshDatabaseIsEncrypted();
    void externalClientNeedsTheKey();
    void plainFileOpensWithAPassword();
    void createForConversionReplacesALeftover();
    void relativePathIsNoAddress();
    void refusesValuesTheColumnCannotHold_data();
    void refusesValuesTheColumnCannotHold();
    void refusedRowWritesNothing();
    void packedRowComesBackAsItWent();
    void passwordChangeTakesEffect();
    void exclusiveOpenKeepsOthersOut();
    void damagedFilesAreReported_data();
    void damagedFilesAreReported();
    void transactionIsAllOrNothing();
    void passReadingOnceHoldsTheCacheSmall_data();
    void passReadingOnceHoldsTheCacheSmall();
};

void TestStore::freshDatabaseHoldsBothTablesAndTheirFirstRows() {
    WorkingFolder folder;
    Database db = openWorking(folder);
    QCOMPARE(db.formatVersion(), QStringLiteral("3.0"));
    QCOMPARE(tableColumns(db, "employer"), definedColumns(employerColumns()));
    QCOMPARE(tableColumns(db, "employee"), definedColumns(employeeColumns()));
    QCOMPARE(tableColumns(db, "employee").size(), 81);
    RowValues employer = emptyRow(employerColumns());
    employer[0] = QStringLiteral("3.4e");
    QCOMPARE(tableRows(db, table::employer, employerColumns()), {employer});
    RowValues placeholder = emptyRow(employeeColumns());
    placeholder[1] = QStringLiteral("H");
    QCOMPARE(tableRows(db, table::employee, employeeColumns()), {placeholder});
}

// Rows waiting to be imported are held packed; each value comes back as the same kind of value.
void TestStore::packedRowComesBackAsItWent() {
    const RowValues row{QVariant(),
                        QStringLiteral(""),
                        QStringLiteral("陳大文"),
                        QString(300, u'x'),
                        QString(239, u'y'), // the longest text held without a length
                        QString(240, u'z'),
                        QVariant(qlonglong(-1) << 40),
                        QVariant(7),
                        QVariant(2.5)};
    const RowValues back = unpackRow(packRow(row));
    QCOMPARE(back.size(), row.size());
    for (qsizetype i = 0; i < 8; ++i) {
        QCOMPARE(back[i].isNull(), row[i].isNull());
        QCOMPARE(back[i], row[i]);
        QCOMPARE(back[i].typeId() == QMetaType::QString, row[i].typeId() == QMetaType::QString);
    }
    QCOMPARE(back[8], QVariant(QStringLiteral("2.5")));
    QVERIFY(unpackRow(packRow({})).isEmpty());
    // Numbers at the edges of each width they are packed in come back whole.
    const RowValues numbers{QVariant(qlonglong(0)),
                            QVariant(qlonglong(63)),
                            QVariant(qlonglong(-64)),
                            QVariant(qlonglong(64)),
                            QVariant(qlonglong(-65)),
                            QVariant(qlonglong(INT32_MAX)),
                            QVariant(qlonglong(INT32_MIN)),
                            QVariant(std::numeric_limits<qlonglong>::max()),
                            QVariant(std::numeric_limits<qlonglong>::min())};
    QCOMPARE(unpackRow(packRow(numbers)), numbers);
    // A row is held in little more than its texts: an amount up to a million takes its tag and
    // three bytes, a short text one byte besides its own, no value one byte.
    QCOMPARE(packRow({QVariant(qlonglong(999'999))}).size(), 4);
    QCOMPARE(packRow({QVariant(QStringLiteral("CHAN")), QVariant(), QVariant(QStringLiteral(""))})
                 .size(),
             7);
}

// A relative folder named like an address ("file:...") is still a folder.
void TestStore::relativePathIsNoAddress() {
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("file:returns")));
    const QString earlier = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    const auto back = qScopeGuard([&] { QDir::setCurrent(earlier); });
    Database::create(QStringLiteral("file:returns/xw73d.mdb"), workingFormat, QStringLiteral("qvz"))
        .exec(QStringLiteral("CREATE TABLE t (x)"));
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("file:returns/xw73d.mdb"))).size() > 0);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

void TestStore::freshDatabaseIsEncrypted() {
    WorkingFolder folder;
    QVERIFY(!isPlainDatabaseFile(folder.file(schema::workingFile)));
    QCOMPARE(errorNumber([&] { Database::open(folder.file(schema::workingFile)); }),
             int(engine::NotValidPassword));
    QCOMPARE(errorNumber([&] { openWorking(folder, QStringLiteral("QVZ")); }),
             int(engine::NotValidPassword));
}

void TestStore::externalClientNeedsTheKey() {
    if (QStandardPaths::findExecutable(QStringLiteral("sqlcipher")).isEmpty())
        QSKIP("the sqlcipher client is not installed");
    WorkingFolder folder;
    const QString path = folder.file(schema::workingFile);
    QVERIFY(!sqlcipherOutput(path, QString(), QStringLiteral("select * from employer;"))
                 .contains(QStringLiteral("3.4e")));
    QCOMPARE(sqlcipherOutput(path, QStringLiteral("qvz"), QStringLiteral("select * from employer;"))
                 .trimmed(),
             QStringLiteral("3.4e||||||"));
}

void TestStore::plainFileOpensWithAPassword() {
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("plain.mdb"));
    {
        Database db = Database::create(path, submissionFormat, std::nullopt);
        db.exec(createTableSql("employer", employerColumns()));
    }
    QVERIFY(isPlainDatabaseFile(path));
    Database db =
        Database::open(path, OpenOptions{.password = QStringLiteral("qvz"), .exclusive = true});
    QCOMPARE(db.formatVersion(), QStringLiteral("2.0"));
    QCOMPARE(rowCount(db, "employer"), 0);
}

void TestStore::createForConversionReplacesALeftover() {
    TempFolder folder;
    QFile leftover(folder.file(QStringLiteral("XW73DNEW.MDB")));
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.write("an old half-written file");
    leftover.close();
    createDatabaseFile(folder.path(), DatabaseFile::Conversion);
    createEmployerTable(folder.path(), DatabaseFile::Conversion);
    createEmployeeTable(folder.path(), DatabaseFile::Conversion);
    Database db =
        Database::open(databasePath(folder.path(), DatabaseFile::Conversion),
                       OpenOptions{.password = schema::defaultPassword, .exclusive = true});
    QCOMPARE(rowCount(db, "employee"), 1);
    QVERIFY(!QFile::exists(folder.file(schema::workingFile)));
}

void TestStore::refusesValuesTheColumnCannotHold_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("error");
    const QVariant empty = QString(QLatin1String(""));
    for (const ColumnDef& column : employerColumns())
        QTest::addRow("employer %s empty", column.name)
            << "employer" << column.name << empty << int(engine::ZeroLength);
    const auto row = [](const char* name, const char* column, const QVariant& value, int error) {
        QTest::newRow(name) << "employee" << column << value << error;
    };
    const QChar chen(0x9673);
    row("Status empty", "Status", empty, engine::ZeroLength);
    row("SheetNo empty", "SheetNo", empty, engine::ZeroLength);
    row("Surname empty", "Surname", empty, 0);
    row("Remark empty", "Remark", empty, 0);
    row("Surname of 20", "Surname", QString(20, 'A'), 0);
    row("Surname of 21", "Surname", QString(21, 'A'), engine::FieldTooSmall);
    row("25 Chinese characters", "ChineseName", QString(25, chen), 0);
    row("26 Chinese characters", "ChineseName", QString(26, chen), engine::FieldTooSmall);
    row("12 Chinese in a 20-byte surname", "Surname", QString(11, chen), engine::FieldTooSmall);
    row("character outside the code page", "Remark", QStringLiteral("\U0001F600"),
        engine::FieldTooSmall);
    row("flag of 256", "QFlag", 256, engine::InvalidArgument);
    row("flag of 1", "QFlag", 1, 0);
    row("ID as text", "ID", QStringLiteral("x"), engine::InvalidArgument);
}

void TestStore::refusesValuesTheColumnCannotHold() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QVariant, value);
    QFETCH(int, error);
    const Columns columns = table == "employer" ? employerColumns() : employeeColumns();
    QCOMPARE(errorNumber([&] { checkValue(::column(columns, column), value); }), error);
}

void TestStore::refusedRowWritesNothing() {
    WorkingFolder folder;
    Database db = openWorking(folder);
    RowValues row = emptyRow(employeeColumns());
    row[columnIndex(employeeColumns(), "Status")] = QStringLiteral("O");
    row[columnIndex(employeeColumns(), "Surname")] = QStringLiteral("CHAN");
    row[columnIndex(employeeColumns(), "Remark")] = QString(61, 'x');
    QCOMPARE(errorNumber([&] { insertRow(db, table::employee, employeeColumns(), row); }),
             int(engine::FieldTooSmall));
    QCOMPARE(rowCount(db, "employee"), 1);
    row[columnIndex(employeeColumns(), "Remark")] = QString(60, 'x');
    insertRow(db, table::employee, employeeColumns(), row);
    QCOMPARE(rowCount(db, "employee"), 2);
}

void TestStore::passwordChangeTakesEffect() {
    WorkingFolder folder;
    std::optional<Database> login = openWorking(folder);
    changeDatabasePassword(login, schema::defaultPassword, QStringLiteral("Ab12"));
    QCOMPARE(rowCount(*login, "employee"), 1);
    login.reset();
    QCOMPARE(errorNumber([&] { openWorking(folder); }), int(engine::NotValidPassword));
    QCOMPARE(errorNumber([&] { openWorking(folder, QStringLiteral("ab12")); }),
             int(engine::NotValidPassword));
    Database db = openWorking(folder, QStringLiteral("Ab12"));
    QCOMPARE(rowCount(db, "employer"), 1);
}

void TestStore::exclusiveOpenKeepsOthersOut() {
    WorkingFolder folder;
    Database first = openWorking(folder);
    QCOMPARE(errorNumber([&] { openWorking(folder); }), int(engine::InUse));
    QCOMPARE(errorNumber([&] { Database::open(folder.file(schema::workingFile)); }),
             int(engine::InUse));
    // Those refused opens in this process closed their descriptors of the file; the first
    // connection still keeps every other process out.
    QVERIFY(othersAreKeptOut(folder.file(schema::workingFile)));
}

void TestStore::damagedFilesAreReported_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("cut inside a page") << QByteArray(1500, 'x');
    QTest::newRow("plain header, garbage after")
        << QByteArray("SQLite format 3\0", 16) + QByteArray(1008, '\x7f');
}

void TestStore::damagedFilesAreReported() {
    QFETCH(QByteArray, content);
    TempFolder folder;
    QFile file(folder.file(schema::workingFile));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(errorNumber([&] { openWorking(folder); }), int(engine::Damaged));
}

void TestStore::transactionIsAllOrNothing() {
    WorkingFolder folder;
    Database db = openWorking(folder);
    RowValues row = emptyRow(employeeColumns());
    row[1] = QStringLiteral("O");
    {
        Transaction transaction(db);
        insertRow(db, table::employee, employeeColumns(), row);
        insertRow(db, table::employee, employeeColumns(), row);
    }
    QCOMPARE(rowCount(db, "employee"), 1);
    {
        Transaction transaction(db);
        insertRow(db, table::employee, employeeColumns(), row);
        transaction.commit();
    }
    QCOMPARE(rowCount(db, "employee"), 2);
}

// A pass that reads each page once runs with a cache of a few pages, and the connection has its
// own size back afterwards, also when the pass fails; inside a transaction the cache is left as
// it is, so that changed pages are not written out early.
void TestStore::passReadingOnceHoldsTheCacheSmall_data() {
    QTest::addColumn<bool>("inTransaction");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<qint64>("sizeDuringPass");
    QTest::newRow("outside a transaction") << false << false << qint64(-256);
    QTest::newRow("a pass that fails") << false << true << qint64(-256);
    QTest::newRow("inside a transaction") << true << false << qint64(-12345);
}

void TestStore::passReadingOnceHoldsTheCacheSmall() {
    QFETCH(bool, inTransaction);
    QFETCH(bool, fails);
    QFETCH(qint64, sizeDuringPass);
    WorkingFolder folder;
    Database db = openWorking(folder);
    const auto cacheSize = [&db] {
        Statement size = db.prepare(QStringLiteral("PRAGMA cache_size"));
        return size.next() ? size.value(0).toLongLong() : 0;
    };
    db.exec(QStringLiteral("PRAGMA cache_size=-12345"));
    std::optional<Transaction> transaction;
    if (inTransaction)
        transaction.emplace(db);
    qint64 seen = 0;
    bool thrown = false;
    try {
        db.readingOnce([&] {
            seen = cacheSize();
            if (fails)
                throw EngineError(engine::Damaged, QStringLiteral("the pass failed"));
        });
    } catch (const EngineError&) {
        thrown = true;
    }
    QCOMPARE(thrown, fails);
    QCOMPARE(seen, sizeDuringPass);
    QCOMPARE(cacheSize(), qint64(-12345));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
