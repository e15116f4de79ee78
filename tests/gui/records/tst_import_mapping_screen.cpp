#include "gui/import/column_mapping_window.h"
#include "gui/import/import_dry_run_window.h"
#include "store/import/kept_mappings.h"
#include "support/editor_screen.h"
#include "support/submission_setup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QTreeView>
#include <QTreeWidget>

namespace {

const QStringList employer2001{"Session=A",       "BRN=12345676",
                               "ReturnYear=2001", "SubmissionDate=30042001",
                               "Name=ABC LTD",    "Designation=MANAGER"};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A payroll program's own words for most columns, and one column no field answers to.
const QByteArray foreignHeader =
    "Last name,Given names,Gender,RAddress1,RAreaCode,Position,EDay1,EMonth1,EYear1,EDay2,EMonth2,"
    "EYear2,QFlag,OSeaFlag,Favourite colour\r\n";

QByteArray foreignRow(const char* surname, const char* comment) {
    return QByteArray(surname) + ",D,M,1 Main St,H,Clerk,01,04,2000,31,03,2001,0,0," + comment +
           "\r\n";
}

void chooseField(ColumnMappingWindow* window, int fileColumn, const QString& label) {
    QComboBox* choice = window->fieldChoice(fileColumn);
    QVERIFY(choice);
    const int at = choice->findText(label);
    QVERIFY2(at >= 0, qPrintable(label));
    choice->setCurrentIndex(at);
}

// The texts of one line of the changes, column by column.
QStringList changeLine(QTreeView* view, int line) {
    QStringList texts;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        texts << view->model()->index(line, column).data().toString();
    return texts;
}

ImportDryRunWindow* openDryRun(EditorScreen& editor) {
    // A window closed before waits for its deletion a moment longer.
    for (ImportDryRunWindow* dryRun : editor->findChildren<ImportDryRunWindow*>())
        if (dryRun->isVisible())
            return dryRun;
    return nullptr;
}

} // namespace

class TestImportMappingScreen : public QObject {
    Q_OBJECT
private slots:
    void foreignHeaderIsMappedOnceForEveryLaterFile();
    void dryRunShowsChangesAndUpdatesOnlyThem();
};

// The first file with foreign headers asks which field each column goes to, proposing the
// likely ones; the second file with the same header goes straight to its dry run.
void TestImportMappingScreen::foreignHeaderIsMappedOnceForEveryLaterFile() {
    EditorScreen editor;
    setEmployer(editor.db, employer2001);
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A")}));
    QSignalSpy reported(editor.screen.get(), &RecordEditor::resultReported);
    const QString first = editor.db.folder.file("january.csv");
    writeFile(first, foreignHeader + foreignRow("delta", "new starter"));
    editor.services.fileAnswers << first;
    click(editor.control<QPushButton>("cImport"));
    auto* mapping = editor->findChild<ColumnMappingWindow*>();
    QVERIFY(mapping && mapping->isVisible());
    QVERIFY(!openDryRun(editor));
    QCOMPARE(mapping->fieldChoice(0)->currentText(), "Surname");
    QCOMPARE(mapping->fieldChoice(1)->currentText(), "Other Names in Full");
    QCOMPARE(mapping->fieldChoice(2)->currentText(), "Sex (M or F)");
    QCOMPARE(mapping->fieldChoice(5)->currentText(), "Capacity in which employed");
    QCOMPARE(mapping->fieldChoice(14)->currentText(), "(none)");
    // Two columns on one field are refused, and the window stays.
    chooseField(mapping, 14, "Sex (M or F)");
    click(mapping->findChild<QPushButton*>("cUseMapping"));
    QCOMPARE(editor.services.lastText(), "The columns \"Gender\" and \"Favourite colour\" of the "
                                         "file both go to the field \"Sex (M or F)\". "
                                         "Choose one field for each column, or none.");
    QVERIFY(mapping->isVisible());
    chooseField(mapping, 14, "Remarks");
    click(mapping->findChild<QPushButton*>("cUseMapping"));
    ImportDryRunWindow* dryRun = openDryRun(editor);
    QVERIFY(dryRun);
    QCOMPARE(dryRun->list()->topLevelItemCount(), 0);
    click(dryRun->findChild<QPushButton*>("cImportAll"));
    QCOMPARE(reported.last().at(0).toString(), "1 record imported.");
    QCOMPARE(editor.db.column("Remark"), (QStringList{"(none)", "new starter"}));
    QCOMPARE(keptMappings(editor.db.folder.path()).size(), 1);

    const QString second = editor.db.folder.file("february.csv");
    writeFile(second, foreignHeader.toUpper() + foreignRow("epsilon", "second starter"));
    editor.services.fileAnswers << second;
    const int boxes = static_cast<int>(editor.services.texts().size());
    click(editor.control<QPushButton>("cImport"));
    dryRun = openDryRun(editor);
    QVERIFY(dryRun);
    for (ColumnMappingWindow* asked : editor->findChildren<ColumnMappingWindow*>())
        QVERIFY(!asked->isVisible());
    click(dryRun->findChild<QPushButton*>("cImportAll"));
    QCOMPARE(editor.services.texts().size(), boxes);
    QCOMPARE(editor.db.column("Surname"), (QStringList{"ALPHA", "DELTA", "EPSILON"}));
    QCOMPARE(editor.db.column("Remark"), (QStringList{"(none)", "new starter", "second starter"}));
    QCOMPARE(editor.db.column("Sex"), (QStringList{"M", "M", "M"}));

    // Asked from the dry run, the window shows the kept choice; a change is kept in its place.
    const QString third = editor.db.folder.file("march.csv");
    writeFile(third, foreignHeader + foreignRow("zeta", "not wanted"));
    editor.services.fileAnswers << third;
    click(editor.control<QPushButton>("cImport"));
    dryRun = openDryRun(editor);
    QVERIFY(dryRun);
    click(dryRun->findChild<QPushButton*>("cChangeMapping"));
    QVERIFY(!dryRun->isVisible());
    mapping = nullptr;
    for (ColumnMappingWindow* asked : editor->findChildren<ColumnMappingWindow*>())
        if (asked->isVisible())
            mapping = asked;
    QVERIFY(mapping);
    QCOMPARE(mapping->fieldChoice(14)->currentText(), "Remarks");
    chooseField(mapping, 14, "(none)");
    click(mapping->findChild<QPushButton*>("cUseMapping"));
    dryRun = openDryRun(editor);
    QVERIFY(dryRun);
    click(dryRun->findChild<QPushButton*>("cImportAll"));
    QCOMPARE(editor.db.column("Remark").last(), ""); // "not wanted" left out
    const QList<ColumnMapping> kept = keptMappings(editor.db.folder.path());
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept.first().columnOfField.at(14), -1);
}

// A row with a stored original's identity number shows each field it changes; "empty cells
// clear fields" plans the file again; the update changes those fields and no other.
void TestImportMappingScreen::dryRunShowsChangesAndUpdatesOnlyThem() {
    EditorScreen editor;
    setEmployer(editor.db, employer2001);
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A") +
                         QStringList{"HKID=A123456", "ChkDigit=3", "Remark=KEEP"}}));
    const QString path = editor.db.folder.file("changes.csv");
    writeFile(path, "HKID,ChkDigit,Surname,Capacity,Remark\r\nA123456,3,ALPHA,Manager,\r\n");
    editor.services.fileAnswers << path;
    QSignalSpy reported(editor.screen.get(), &RecordEditor::resultReported);
    click(editor.control<QPushButton>("cImport"));
    ImportDryRunWindow* dryRun = openDryRun(editor);
    QVERIFY(dryRun);
    QTreeView* changes = dryRun->changes();
    QCOMPARE(changes->model()->rowCount(), 1);
    QCOMPARE(changeLine(changes, 0),
             (QStringList{"1", "2", "ALPHA, A", "Update of record ID 1",
                          "Capacity in which employed", "Clerk", "Manager"}));
    auto* clear = dryRun->findChild<QCheckBox*>("chkEmptyCellsClear");
    QVERIFY(QTest::qWaitFor([dryRun] { return QApplication::activeWindow() == dryRun; }));
    QTest::keyClick(dryRun, Qt::Key_C, Qt::AltModifier); // "Empty &cells clear fields"
    QTRY_VERIFY(clear->isChecked());                     // a mnemonic clicks a moment later
    QTRY_COMPARE(changes->model()->rowCount(), 2);
    QCOMPARE(changeLine(changes, 1).mid(4), (QStringList{"Remarks", "KEEP", ""}));
    // The dry run after another look at the mapping keeps the tick it was made with.
    click(dryRun->findChild<QPushButton*>("cChangeMapping"));
    ColumnMappingWindow* mapping = nullptr;
    QTRY_VERIFY((mapping = editor->findChild<ColumnMappingWindow*>()) && mapping->isVisible());
    click(mapping->findChild<QPushButton*>("cUseMapping"));
    QVERIFY((dryRun = openDryRun(editor)));
    changes = dryRun->changes();
    clear = dryRun->findChild<QCheckBox*>("chkEmptyCellsClear");
    QVERIFY(clear->isChecked());
    QCOMPARE(changes->model()->rowCount(), 2);
    clear->click();
    QCOMPARE(changes->model()->rowCount(), 1);
    // Without updates chosen there is nothing to import.
    auto* update = dryRun->findChild<QCheckBox*>("chkUpdateMatching");
    update->click();
    QVERIFY(!dryRun->findChild<QPushButton*>("cImportAll")->isEnabled());
    update->click();
    click(dryRun->findChild<QPushButton*>("cImportAll"));
    QCOMPARE(reported.last().at(0).toString(), "0 records imported, 1 record updated.");
    QCOMPARE(editor.db.column("Capacity"), QStringList{"Manager"});
    QCOMPARE(editor.db.column("Remark"), QStringList{"KEEP"});
    QCOMPARE(editor.db.column("Surname"), QStringList{"ALPHA"});
    QCOMPARE(QDir(editor.db.folder.file("backups")).entryList({"*-import.mdb"}).size(), 1);
}

QTEST_MAIN(TestImportMappingScreen)
#include "tst_import_mapping_screen.moc"
