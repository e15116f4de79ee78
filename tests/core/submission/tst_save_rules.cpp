// The save screen's rules without widgets: the name's key filter and checks in their order, the
// path a name means, the medium's blankness and the files an interrupted save leaves, the size
// limit and what each state of the screen shows.
#include "core/submission/save_rules.h"
#include "support/temp_folder.h"

#include <QTest>

using namespace saverules;

namespace {
const QString medium = QStringLiteral("/media/floppy");
} // namespace

class TestSaveRules : public QObject {
    Q_OBJECT
private slots:
    void fileNameKeys_data();
    void fileNameKeys();
    void fileNameChecks_data();
    void fileNameChecks();
    void sizeLimit();
    void defaultTarget();
    void targetPaths_data();
    void targetPaths();
    void blankMedium_data();
    void blankMedium();
    void interruptedSave_data();
    void interruptedSave();
    void screenStates();
};

void TestSaveRules::fileNameKeys_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("valid: backspace") << 8 << true;
    QTest::newRow("valid: full stop, lowest") << 46 << true;
    QTest::newRow("valid: z, highest") << 122 << true;
    QTest::newRow("valid: colon and backslash") << int(u'\\') << true;
    QTest::newRow("invalid: space") << 32 << false;
    QTest::newRow("invalid: hyphen, below the range") << 45 << false;
    QTest::newRow("invalid: brace, above the range") << 123 << false;
    QTest::newRow("invalid: paste shortcut") << 22 << false;
}

void TestSaveRules::fileNameKeys() {
    QFETCH(int, code);
    QFETCH(bool, accepted);
    QCOMPARE(isFileNameKey(code), accepted);
}

void TestSaveRules::fileNameChecks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("oversize");
    QTest::addColumn<QString>("message");
    const QString changed =
        QStringLiteral("File name cannot be changed.  Please enter as '12345678.MDB' again!");
    QTest::newRow("valid: the default name") << "/media/floppy/12345678.MDB" << false << "";
    QTest::newRow("valid: lower case") << "/media/floppy/12345678.mdb" << false << "";
    QTest::newRow("valid: other folder") << "/home/clerk/out/12345678.MDB" << false << "";
    QTest::newRow("valid: backslash separator") << "D:\\SUBMIT\\12345678.MDB" << false << "";
    QTest::newRow("valid: oversize, other folder") << "/mnt/cd/12345678.MDB" << true << "";
    QTest::newRow("valid: oversize, sibling of the medium")
        << "/media/floppy2/12345678.MDB" << true << "";
    QTest::newRow("valid: outer spaces") << "  /media/floppy/12345678.MDB" << false << "";
    QTest::newRow("invalid: inner space, checked first")
        << "/media/flo ppy/12345679.MDB" << true << spaceText();
    QTest::newRow("invalid: name part changed") << "/media/floppy/12345679.MDB" << false << changed;
    QTest::newRow("invalid: separator missing") << "/media/floppyX12345678.MDB" << false << changed;
    QTest::newRow("invalid: trailing space") << "/media/floppy/12345678.MDB " << false << changed;
    QTest::newRow("invalid: oversize on the medium")
        << "/media/floppy/12345678.MDB" << true << changeDriveText();
    QTest::newRow("invalid: oversize on the medium, outer spaces")
        << "  /media/floppy/12345678.MDB" << true << changeDriveText();
    QTest::newRow("invalid: oversize in a folder of the medium")
        << "/media/floppy/sub/12345678.mdb" << true << changeDriveText();
    QTest::newRow("invalid: oversize on the medium, backslash separator")
        << "/media/floppy\\12345678.MDB" << true << changeDriveText();
}

void TestSaveRules::fileNameChecks() {
    QFETCH(QString, text);
    QFETCH(bool, oversize);
    QFETCH(QString, message);
    QCOMPARE(fileNameProblem(text, QStringLiteral("12345678"), oversize, medium).value_or(""),
             message);
}

void TestSaveRules::sizeLimit() {
    QVERIFY(!isOversize(1'360'000));
    QVERIFY(isOversize(1'360'001));
}

void TestSaveRules::defaultTarget() {
    QCOMPARE(defaultTargetPath(medium, "12345678"), QStringLiteral("/media/floppy/12345678.MDB"));
    QCOMPARE(defaultTargetPath("/media/usb/", "12345678"),
             QStringLiteral("/media/usb/12345678.MDB"));
}

void TestSaveRules::targetPaths_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("path");
    QTest::newRow("valid: slashes") << "/media/floppy/12345678.MDB"
                                    << "/media/floppy/12345678.MDB";
    QTest::newRow("valid: a pasted backslash") << "/media/floppy\\12345678.MDB"
                                               << "/media/floppy/12345678.MDB";
    QTest::newRow("valid: backslashes only") << "\\media\\floppy\\12345678.MDB"
                                             << "/media/floppy/12345678.MDB";
    QTest::newRow("valid: outer spaces") << "  /mnt/12345678.MDB "
                                         << "/mnt/12345678.MDB";
}

void TestSaveRules::targetPaths() {
    QFETCH(QString, typed);
    QFETCH(QString, path);
    QCOMPARE(targetPathOf(typed), path);
    QCOMPARE(isOnMedium(targetPathOf(typed), medium), path.startsWith(medium));
}

void TestSaveRules::blankMedium_data() {
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("blank");
    QTest::newRow("valid: empty") << QStringList() << QStringList() << true;
    QTest::newRow("valid: only a folder") << QStringList{"old"} << QStringList() << true;
    QTest::newRow("valid: only hidden files") << QStringList() << QStringList{".hidden"} << true;
    QTest::newRow("valid: a file inside a folder")
        << QStringList{"old"} << QStringList{"old/a.txt"} << true;
    QTest::newRow("invalid: a file") << QStringList() << QStringList{"a.txt"} << false;
}

void TestSaveRules::blankMedium() {
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(bool, blank);
    TempFolder folder;
    for (const QString& name : folders)
        QVERIFY(QDir(folder.path()).mkdir(name));
    QVERIFY(createFiles(folder.path(), files));
    QCOMPARE(isBlankMedium(folder.path()), blank);
}

void TestSaveRules::interruptedSave_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("left"); // all of them are an interrupted save's
    QTest::newRow("valid: the submission's work file") << QStringList{"12345678.MDB.part"} << true;
    QTest::newRow("valid: both work files")
        << QStringList{"12345678.MDB.part", "~~log~~.mdb.part"} << true;
    QTest::newRow("valid: the log named, the submission still a work file")
        << QStringList{"12345678.MDB.part", "~~log~~.mdb"} << true;
    QTest::newRow("valid: a lone submission") << QStringList{"12345678.mdb"} << true;
    QTest::newRow("valid: a lone log") << QStringList{"~~LOG~~.MDB"} << true;
    QTest::newRow("invalid: a finished save")
        << QStringList{"12345678.MDB", "~~log~~.mdb"} << false;
    QTest::newRow("invalid: a finished save and a work file")
        << QStringList{"12345678.MDB", "~~log~~.mdb", "12345678.MDB.part"} << false;
    QTest::newRow("invalid: a file of the user's too")
        << QStringList{"12345678.MDB.part", "letter.txt"} << false;
    QTest::newRow("invalid: another database") << QStringList{"accounts.mdb"} << false;
    QTest::newRow("invalid: another work file") << QStringList{"letter.txt.part"} << false;
    QTest::newRow("boundary: nothing") << QStringList() << false;
}

void TestSaveRules::interruptedSave() {
    QFETCH(QStringList, files);
    QFETCH(bool, left);
    QCOMPARE(interruptedSaveFiles(files), left ? files : QStringList());
}

// One instruction or progress text at a time; the name and the commands only while ready; the
// progress bar only while saving; the oversize texts only in the oversize states.
void TestSaveRules::screenStates() {
    for (const ScreenState state : {ScreenState::ReadyNormal, ScreenState::ReadyOversize,
                                    ScreenState::SavingNormal, ScreenState::SavingOversize}) {
        const ScreenLook look = lookOf(state);
        const bool ready = state == ScreenState::ReadyNormal || state == ScreenState::ReadyOversize;
        const bool oversize =
            state == ScreenState::ReadyOversize || state == ScreenState::SavingOversize;
        QCOMPARE(int(look.normalInstruction) + int(look.oversizeInstruction) +
                     int(look.oversizeProgress) + int(look.normalProgress),
                 1);
        QCOMPARE(look.nameEditable, ready);
        QCOMPARE(look.commandsShown, ready);
        QCOMPARE(look.progressShown, !ready);
        QCOMPARE(look.oversizeInstruction || look.oversizeProgress, oversize);
        QCOMPARE(look.normalInstruction || look.oversizeInstruction, ready);
    }
}

QTEST_GUILESS_MAIN(TestSaveRules)
#include "tst_save_rules.moc"
