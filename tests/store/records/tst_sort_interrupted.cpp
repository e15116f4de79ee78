#include "support/working_database.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>

namespace {

constexpr int recordCount = 20000;

// Originals whose name order differs from the order they were added, all carrying the number
// "0", and one replacement with its own number.
void fillDatabase(WorkingDatabase& db) {
    Transaction transaction(db.state.db());
    for (int i = 0; i < recordCount; ++i)
        db.addRecord(
            {QStringLiteral("ID=%1").arg(i + 1), i == 0 ? "Status=R" : "Status=O",
             i == 0 ? "SheetNo=77" : "SheetNo=0",
             QStringLiteral("Surname=S%1").arg((i * 7919) % recordCount, 6, 10, QChar(u'0')),
             QStringLiteral("FirstName=Name %1").arg(i)});
    transaction.commit();
}

// The sheet numbers in name order, read with the password as the next run's login would.
QStringList numbersInNameOrder(const QString& path) {
    Database db =
        Database::open(path, OpenOptions{.password = schema::defaultPassword, .exclusive = true});
    Statement read = db.prepare(
        QStringLiteral("SELECT SheetNo FROM employee WHERE Status <> 'H' "
                       "ORDER BY Surname COLLATE NOCASE, FirstName COLLATE NOCASE, rowid"));
    QStringList numbers;
    while (read.next())
        numbers << read.value(0).toString();
    return numbers;
}

struct Run {
    bool finished; // the helper said "done" before it was killed
    qint64 elapsedMs;
};

// Starts the numbering in another process and kills it after the delay; a negative delay waits
// for the numbering to finish first.
Run sortAndKill(const QString& path, int delayMs) {
    QProcess sorter;
    sorter.start(QCoreApplication::applicationDirPath() + QStringLiteral("/hold_database"),
                 {path, schema::defaultPassword, QStringLiteral("sort")});
    if (!sorter.waitForReadyRead(10000) || sorter.readLine().trimmed() != "open")
        return {false, -1};
    QElapsedTimer timer;
    timer.start();
    if (delayMs < 0)
        sorter.waitForReadyRead(30000);
    else
        QThread::msleep(static_cast<unsigned long>(delayMs));
    sorter.kill();
    sorter.waitForFinished(10000);
    return {sorter.readAll().contains("done"), timer.elapsed()};
}

} // namespace

class TestSortInterrupted : public QObject {
    Q_OBJECT
private slots:
    void killedSortIsAllOrNothing();
};

void TestSortInterrupted::killedSortIsAllOrNothing() {
    WorkingDatabase db;
    fillDatabase(db);
    db.state.login.reset(); // the other process opens it exclusively
    const QString path = databasePath(db.folder.path(), DatabaseFile::Working);
    const QString pristine = db.folder.file(QStringLiteral("pristine.mdb"));
    QVERIFY(QFile::copy(path, pristine));
    const QStringList before = numbersInNameOrder(path);

    // How long one whole numbering takes here, so that the kills land across it. The replacement
    // comes first in name order.
    const Run whole = sortAndKill(path, -1);
    QVERIFY(whole.finished);
    QStringList after{"77"};
    for (int number = 1; number < recordCount; ++number)
        after << QString::number(number);
    QCOMPARE(numbersInNameOrder(path), after);
    const int span = int(std::max<qint64>(whole.elapsedMs, 20));

    int old = 0; // kills that came before the numbering was committed
    for (int step = 0; step < 10; ++step) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::copy(pristine, path));
        const int delay = span * step / 8 + step % 3; // from at once to after the end
        const Run run = sortAndKill(path, delay);
        QVERIFY(run.elapsedMs >= 0);
        const QStringList numbers = numbersInNameOrder(path);
        QVERIFY2(numbers == before || numbers == after,
                 qPrintable(QStringLiteral("killed after %1 ms").arg(delay)));
        if (run.finished)
            QCOMPARE(numbers, after);
        old += numbers == before ? 1 : 0;
    }
    qInfo("whole numbering %lld ms; %d of 10 kills left the numbers as before", whole.elapsedMs,
          old);
    QVERIFY(old > 0);
}

QTEST_GUILESS_MAIN(TestSortInterrupted)
#include "tst_sort_interrupted.moc"
