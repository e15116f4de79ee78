// The employer row read and written through the one employer table: in the working database,
// encrypted and held by the login connection, and in a submission built from it; the same
// failure in every reader and writer when the row is missing.
#include "store/employer/employer_table.h"
#include "store/submission/submission_database.h"
#include "support/engine_errors.h"
#include "support/submission_setup.h"

#include <QTest>

using employertable::Holder;

Q_DECLARE_METATYPE(employertable::Holder)

namespace {

QString messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EngineError& error) {
        return error.description();
    }
    return {};
}

} // namespace

class TestEmployerTable : public QObject {
    Q_OBJECT
private slots:
    void writtenRowReadsBack();
    void submissionHoldsTheCopy();
    void missingRow_data();
    void missingRow();
};

void TestEmployerTable::writtenRowReadsBack() {
    WorkingDatabase db;
    const employertable::StoredEmployer before = employertable::readEmployer(db.state.db());
    EmployerData changed = before.data;
    changed.returnYear = QStringLiteral("2003");
    changed.name = QStringLiteral("ABC TRADING LTD");
    changed.submissionDate.clear(); // stored as no value
    employertable::writeEmployer(db.state.db(), before.rowId, changed);
    const employertable::StoredEmployer after = employertable::readEmployer(db.state.db());
    QCOMPARE(after.rowId, before.rowId);
    QCOMPARE(after.data.returnYear, QStringLiteral("2003"));
    QCOMPARE(after.data.name, QStringLiteral("ABC TRADING LTD"));
    QCOMPARE(db.values("select SubmissionDate is null from employer"), QStringList{"1"});
    employertable::writeReturnYear(db.state.db(), before.rowId, QStringLiteral("2004"));
    QCOMPARE(employertable::readEmployerColumn(db.state.db(), "ReturnYear").toString(),
             QStringLiteral("2004"));
    // A year wider than its column is refused before anything is written.
    QVERIFY(errorNumber([&] {
                employertable::writeReturnYear(db.state.db(), before.rowId, "20045");
            }) != 0);
    QCOMPARE(db.values("select ReturnYear from employer"), QStringList{"2004"});
}

void TestEmployerTable::submissionHoldsTheCopy() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    addExampleRecords(db, 1);
    buildSubmission(db.state.db(), db.folder.path(), QStringLiteral("2002"));
    Database submission = openForReading(db.folder.file(submissionFileName));
    const EmployerData copy = employertable::readEmployer(submission, Holder::Submission).data;
    QCOMPARE(copy.fileNumber, QStringLiteral("12345678"));
    QCOMPARE(copy.section, QStringLiteral("A"));
    QCOMPARE(employertable::readEmployerValues(submission, Holder::Submission),
             employertable::readEmployerValues(db.state.db()));
}

void TestEmployerTable::missingRow_data() {
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<QString>("message");
    QTest::newRow("invalid: working database without its row")
        << Holder::Working << "The working database has no employer row.";
    QTest::newRow("invalid: submission without its row")
        << Holder::Submission << "No current record: the submission has no employer row.";
}

void TestEmployerTable::missingRow() {
    QFETCH(Holder, holder);
    QFETCH(QString, message);
    WorkingDatabase db;
    Database& working = db.state.db();
    const qint64 rowId = employertable::readEmployer(working).rowId;
    std::optional<Database> submission;
    if (holder == Holder::Submission) {
        addExampleRecords(db, 1);
        buildSubmission(working, db.folder.path(), QStringLiteral("2002"));
        submission = Database::open(db.folder.file(submissionFileName), OpenOptions{});
    }
    Database& emptied = submission ? *submission : working;
    emptied.exec(QStringLiteral("delete from employer"));
    const std::function<void()> readers[] = {
        [&] { employertable::readEmployer(emptied, holder); },
        [&] { employertable::readEmployerValues(emptied, holder); },
        [&] { employertable::readEmployerColumn(emptied, "Version", holder); },
    };
    for (const auto& read : readers) {
        QCOMPARE(errorNumber(read), int(engine::NoCurrentRecord));
        QCOMPARE(messageOf(read), message);
    }
    if (holder == Holder::Submission)
        return;
    const std::function<void()> writers[] = {
        [&] { employertable::writeEmployer(working, rowId, EmployerData{}); },
        [&] { employertable::writeReturnYear(working, rowId, QStringLiteral("2002")); },
    };
    for (const auto& write : writers)
        QCOMPARE(errorNumber(write), int(engine::NoCurrentRecord));
}

QTEST_GUILESS_MAIN(TestEmployerTable)
#include "tst_employer_table.moc"
