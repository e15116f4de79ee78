// The verified copy onto the medium: a whole copy takes the target's name and is read back from
// the device, not from the system's memory; a full medium (a small file system, a file-size
// limit), a read-only medium or folder, a missing folder and an unreadable source each name the
// file, say in words what happened, and leave neither the work file nor a target of that name
// behind.
#include "core/common/engine_error.h"
#include "core/common/finished_file.h"
#include "core/common/verified_copy.h"
#include "support/file_size_limit.h"
#include "support/loop_medium.h"
#include "support/temp_folder.h"
#include "support/without_access_override.h"

#include <QTest>

namespace {

QByteArray bytes(qsizetype size) {
    QByteArray made(size, Qt::Uninitialized);
    for (qsizetype at = 0; at < size; ++at)
        made[at] = char(at * 7 % 251);
    return made;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

enum class Failure {
    SizeLimit,
    SmallFileSystem,
    ReadOnlyMedium,
    ReadOnlyFolder,
    MissingFolder,
    MissingSource
};

bool needsLoopMedium(Failure failure) {
    return failure == Failure::SmallFileSystem || failure == Failure::ReadOnlyMedium;
}

// The medium's own entries, without the folder a fresh file system keeps for its repairs.
QStringList copiesIn(const QString& folder) {
    QStringList entries = entriesIn(folder);
    entries.removeAll(QStringLiteral("lost+found"));
    return entries;
}

} // namespace

class TestVerifiedCopy : public QObject {
    Q_OBJECT
private slots:
    void wholeCopyTakesTheName();
    void readBackReachesTheDevice();
    void failureLeavesNothing_data();
    void failureLeavesNothing();
    void finishedFileReplacesTheEarlierOne_data();
    void finishedFileReplacesTheEarlierOne();
};

void TestVerifiedCopy::wholeCopyTakesTheName() {
    TempFolder folder;
    const QByteArray content = bytes(3 * (1 << 20) + 17); // more than one piece
    QVERIFY(writeFile(folder.file("source"), content));
    QVERIFY(writeFile(folder.file("target.MDB"), "an earlier file"));
    qint64 lastDone = 0;
    verifiedcopy::copyFile(folder.file("source"), folder.file("target.MDB"),
                           [&](qint64 done, qint64 total) {
                               QCOMPARE(total, content.size());
                               QVERIFY(done > lastDone);
                               lastDone = done;
                           });
    QCOMPARE(lastDone, content.size());
    QCOMPARE(contents(folder.file("target.MDB")), contents(folder.file("source")));
    QCOMPARE(entriesIn(folder.path()), QStringList({"source", "target.MDB"}));
}

void TestVerifiedCopy::failureLeavesNothing_data() {
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("reason");
    QTest::newRow("invalid: file-size limit reached part-way")
        << Failure::SizeLimit << "larger than the medium or this system allows";
    QTest::newRow("invalid: small medium full part-way")
        << Failure::SmallFileSystem << "no space left on the medium";
    QTest::newRow("invalid: read-only medium") << Failure::ReadOnlyMedium << "medium is read-only";
    QTest::newRow("invalid: read-only folder")
        << Failure::ReadOnlyFolder << "may not write to the medium's folder";
    QTest::newRow("invalid: folder missing, medium removed")
        << Failure::MissingFolder << "medium may have been removed";
    QTest::newRow("invalid: source missing") << Failure::MissingSource << "cannot be read";
}

void TestVerifiedCopy::failureLeavesNothing() {
    QFETCH(Failure, failure);
    QFETCH(QString, reason);
    TempFolder source;
    TempFolder folder;
    std::optional<LoopMedium> loop;
    if (needsLoopMedium(failure)) {
        loop.emplace(2);
        if (!loop->isValid())
            QSKIP("No loop device can be made here");
    }
    const QString medium = loop ? loop->path() : folder.path();
    if (failure != Failure::MissingSource)
        QVERIFY(writeFile(source.file("source"), bytes(3 * (1 << 20))));
    QString target = QDir(medium).filePath("12345678.MDB");
    if (failure == Failure::MissingFolder)
        target = QDir(medium).filePath("gone/12345678.MDB");
    if (failure == Failure::ReadOnlyFolder)
        QVERIFY(QFile::setPermissions(medium, QFile::ReadOwner | QFile::ExeOwner));
    if (failure == Failure::ReadOnlyMedium)
        QVERIFY(loop->makeReadOnly());
    WithoutAccessOverride asUser;
    std::optional<FileSizeLimit> limit;
    if (failure == Failure::SizeLimit)
        limit.emplace(1 << 20);
    try {
        verifiedcopy::copyFile(source.file("source"), target);
        QFAIL("the copy did not fail");
    } catch (const EngineError& error) {
        QVERIFY2(error.description().contains(target), qPrintable(error.description()));
        QVERIFY2(error.description().contains(reason), qPrintable(error.description()));
        QVERIFY2(!error.description().contains("Unknown error"), qPrintable(error.description()));
    }
    limit.reset();
    QFile::setPermissions(medium, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(copiesIn(medium), QStringList());
}

// The read-back after the copy reads what the device holds: the device counts at least the
// file's bytes read twice (the work file and the file under its name), where the system's
// cache would have answered without reading anything.
void TestVerifiedCopy::readBackReachesTheDevice() {
    LoopMedium medium(32);
    if (!medium.isValid())
        QSKIP("No loop device can be made here");
    TempFolder source;
    const QByteArray content = bytes(8 << 20);
    QVERIFY(writeFile(source.file("source"), content));
    const qint64 before = medium.sectorsRead();
    QVERIFY(before >= 0);
    verifiedcopy::copyFile(source.file("source"), medium.file("12345678.MDB"));
    const qint64 bytesRead = (medium.sectorsRead() - before) * 512;
    QVERIFY2(bytesRead >= 2 * content.size(), qPrintable(QString::number(bytesRead)));
    QCOMPARE(contents(medium.file("12345678.MDB")), content);
}

void TestVerifiedCopy::finishedFileReplacesTheEarlierOne_data() {
    QTest::addColumn<bool>("writerFails");
    QTest::addColumn<bool>("nameIsAFolder");
    QTest::newRow("written whole") << false << false;
    QTest::newRow("writer fails") << true << false;
    QTest::newRow("name taken by a folder") << false << true;
}

// A file written through a work file either takes the name with all its bytes, or leaves
// whatever held the name as it was and no work file.
void TestVerifiedCopy::finishedFileReplacesTheEarlierOne() {
    QFETCH(bool, writerFails);
    QFETCH(bool, nameIsAFolder);
    TempFolder folder;
    const QString target = folder.file("XW73D.TXT");
    if (nameIsAFolder)
        QVERIFY(QDir().mkdir(target));
    else
        QVERIFY(writeFile(target, "an earlier file"));
    const QByteArray content = bytes(70'000);
    bool raised = false;
    try {
        writeThenRename(target, [&](const QString& workPath) {
            QVERIFY(writeFile(workPath, content));
            if (writerFails)
                throw fileError(workPath, QStringLiteral("the medium is full."));
        });
    } catch (const EngineError&) {
        raised = true;
    }
    QCOMPARE(raised, writerFails || nameIsAFolder);
    QCOMPARE(entriesIn(folder.path()), QStringList({"XW73D.TXT"}));
    QCOMPARE(QFileInfo(target).isDir(), nameIsAFolder);
    if (!nameIsAFolder)
        QCOMPARE(contents(target), raised ? QByteArray("an earlier file") : content);
}

QTEST_GUILESS_MAIN(TestVerifiedCopy)
#include "tst_verified_copy.moc"
