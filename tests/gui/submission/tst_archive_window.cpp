// The window of saved submissions on the offscreen platform, over real archive entries: the
// rows newest first with whether each still verifies; Verify, Show control list and Open folder
// on the selected one; Copy to a medium with the save's rules for the name and the blank
// medium, giving the first medium's bytes again and leaving the working database as it was.
#include "core/submission/save_rules.h"
#include "gui/startup/password_change_dialog.h"
#include "gui/submission/archive_window.h"
#include "gui/widgets/field_edit.h"
#include "store/common/schema.h"
#include "support/editor_screen.h"
#include "support/saved_return.h"
#include "support/scripted_printing.h"
#include "support/scripted_services.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Kept entries of a return saved with three records, and the window over them.
struct ArchiveFixture {
    explicit ArchiveFixture(bool alterOlder = false) {
        saved.db.state.loginPassword = schema::defaultPassword;
        saved.db.state.requestedMedium = fresh.path();
        older = saved.keep();
        newer = saved.keep(saved.savedAt.addDays(1));
        if (alterOlder)
            alterPart(older, archive::Part::Submission, "NAME2", "NAMX2");
        window = std::make_unique<ArchiveWindow>(saved.db.state);
        window->show();
    }
    template <class Widget = QPushButton> Widget* on(const char* name) const {
        return window->findChild<Widget*>(QLatin1String(name));
    }
    QTreeWidget* list() const { return on<QTreeWidget>("archiveList"); }
    void select(int row) const { list()->setCurrentItem(list()->topLevelItem(row)); }

    ScriptedServices services;
    SavedReturn saved{3};
    TempFolder fresh;
    TempFolder printed;
    ScriptedPrinting printing{printed.path()};
    QString older;
    QString newer;
    std::unique_ptr<ArchiveWindow> window;
};

QStringList rowTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int column = 0; column < item->columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

QByteArray md5Of(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

} // namespace

class TestArchiveWindow : public QObject {
    Q_OBJECT
private slots:
    void listsNewestFirst();
    void commands_data();
    void commands();
    void copyToMedium_data();
    void copyToMedium();
    void passwordChangeRekeysTheArchive();
    void openedFromTheReturnMenu();
};

void TestArchiveWindow::listsNewestFirst() {
    ArchiveFixture fixture(true);
    QCOMPARE(fixture.list()->topLevelItemCount(), 2);
    const QString target = QDir::toNativeSeparators(fixture.saved.target());
    QCOMPARE(rowTexts(fixture.list()->topLevelItem(0)),
             QStringList({"2002-05-01 09:05:07", target, "3", "720,000", "verifies"}));
    QCOMPARE(rowTexts(fixture.list()->topLevelItem(1)),
             QStringList({"2002-04-30 09:05:07", target, "3", "720,000", "does not verify"}));
    QCOMPARE(fixture.on<FieldEdit>("tFileName")->text(), fixture.fresh.file("12345678.MDB"));
    for (const char* name : {"cVerify", "cShowList", "cCopy", "cOpenFolder"})
        QVERIFY2(fixture.on(name)->isEnabled(), name);
}

void TestArchiveWindow::commands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("said"); // in the information box; empty for none
    QTest::newRow("verify an untouched entry") << "cVerify" << 0 << "TotalRec: ok";
    QTest::newRow("verify an altered entry") << "cVerify" << 1 << "FCode: FAILED";
    QTest::newRow("show the control list") << "cShowList" << 1 << "";
    QTest::newRow("open the folder") << "cOpenFolder" << 1 << "";
}

void TestArchiveWindow::commands() {
    QFETCH(QString, command);
    QFETCH(int, row);
    QFETCH(QString, said);
    ArchiveFixture fixture(true);
    fixture.select(row);
    click(fixture.on(command.toLatin1().constData()));
    const auto& boxes = fixture.services.boxes;
    QCOMPARE(boxes.size(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty()) {
        QCOMPARE(boxes.first().title, QStringLiteral("INFORMATION"));
        QVERIFY2(boxes.first().text.contains(said), qPrintable(boxes.first().text));
        QCOMPARE(boxes.first().text.count('\n'), 6);
    }
    if (command == "cShowList") {
        QCOMPARE(fixture.printing.previews.size(), 1);
        QCOMPARE(fixture.printing.previewPdfNames, QStringList{"XW73D 2002 control list.pdf"});
        QStringList texts;
        const auto& list = fixture.printing.previews.first();
        for (int page = 0; page < list->pageCount(); ++page)
            for (const report::Text& text : list->page(page).texts)
                texts << text.text;
        QVERIFY(texts.contains("Grand total (3 records)"));
    }
    if (command == "cOpenFolder")
        QCOMPARE(fixture.services.openedUrls, QList<QUrl>{QUrl::fromLocalFile(fixture.older)});
}

void TestArchiveWindow::copyToMedium_data() {
    QTest::addColumn<QString>("name"); // {fresh} stands for the new medium's folder
    QTest::addColumn<bool>("mediumBlank");
    QTest::addColumn<QString>("message");
    QTest::newRow("valid: a fresh medium") << "{fresh}/12345678.MDB" << true << "";
    QTest::newRow("invalid: medium not blank")
        << "{fresh}/12345678.MDB" << false << saverules::notBlankText();
    QTest::newRow("invalid: name changed")
        << "{fresh}/12345679.MDB" << true
        << "File name cannot be changed.  Please enter as '12345678.MDB' again!";
    QTest::newRow("invalid: space in the name")
        << "{fresh}/1234 5678.MDB" << true << saverules::spaceText();
}

void TestArchiveWindow::copyToMedium() {
    QFETCH(QString, name);
    QFETCH(bool, mediumBlank);
    QFETCH(QString, message);
    ArchiveFixture fixture;
    if (!mediumBlank)
        QVERIFY(createFiles(fixture.fresh.path(), {"letter.txt"}));
    const QString working = fixture.saved.db.folder.file("xw73d.mdb");
    const QByteArray workingBefore = md5Of(fileBytes(working));
    fixture.on<FieldEdit>("tFileName")->setText(name.replace("{fresh}", fixture.fresh.path()));
    click(fixture.on("cCopy"));
    const auto& boxes = fixture.services.boxes;
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, message.isEmpty() ? "INFORMATION" : "Error");
    if (!message.isEmpty()) {
        QCOMPARE(boxes.first().text, message);
        QCOMPARE(entriesIn(fixture.fresh.path()),
                 mediumBlank ? QStringList() : QStringList{"letter.txt"});
        return;
    }
    QCOMPARE(entriesIn(fixture.fresh.path()), QStringList({"12345678.MDB", "~~log~~.mdb"}));
    QCOMPARE(md5OfFile(fixture.fresh.file("12345678.MDB")), md5OfFile(fixture.saved.target()));
    QCOMPARE(md5OfFile(fixture.fresh.file(logFileName)),
             md5OfFile(logPathOnMedium(fixture.saved.target())));
    QCOMPARE(md5Of(fileBytes(working)), workingBefore);
    // A second copy onto the same medium is refused: it is no longer blank.
    click(fixture.on("cCopy"));
    QCOMPARE(boxes.last().text, saverules::notBlankText());
}

// The change of password gives the kept entries the new one; an entry under yet another
// password is named and kept as it is.
void TestArchiveWindow::passwordChangeRekeysTheArchive() {
    SavedReturn saved(2);
    const QString kept = saved.keep();
    const QString foreign = saved.keep(saved.savedAt.addDays(1), "Other1");
    saved.db.state.login.reset();
    ScriptedServices services;
    RunState state;
    state.programFolder = saved.db.folder.path();
    PasswordChangeDialog change(state);
    QTest::keyClicks(change.findChild<QLineEdit*>("Text1"), "qvz");
    QTest::keyClicks(change.findChild<QLineEdit*>("Text2"), "Ab12");
    QTest::keyClicks(change.findChild<QLineEdit*>("Text3"), "Ab12");
    click(change.findChild<QPushButton*>("cmdYes"));
    QCOMPARE(state.loginPassword, QStringLiteral("Ab12"));
    QCOMPARE(services.boxes.size(), 1);
    QCOMPARE(services.boxes.first().title, QStringLiteral("INFORMATION"));
    QVERIFY2(services.boxes.first().text.contains(QDir(foreign).dirName()),
             qPrintable(services.boxes.first().text));
    QVERIFY(!services.boxes.first().text.contains(QDir(kept).dirName()));
    QVERIFY_THROWS_EXCEPTION(EngineError, archive::openEntry(kept, "qvz"));
    for (const SubmissionCheck& check : archive::verifyEntry(kept, "Ab12"))
        QVERIFY2(check.holds(), qPrintable(check.name));
    QCOMPARE(archive::list(saved.db.folder.path(), "Other1").first().folder, foreign);
}

// Alt+N opens the Return menu and V its item; a second opening brings the same window forward.
void TestArchiveWindow::openedFromTheReturnMenu() {
    EditorScreen editor;
    QVERIFY(editor.open());
    for (int opening = 0; opening < 2; ++opening) {
        QTest::keyClick(editor.screen.get(), Qt::Key_N, Qt::AltModifier);
        QWidget* menu = nullptr;
        QVERIFY(QTest::qWaitFor([&] { return (menu = QApplication::activePopupWidget()); }));
        QCOMPARE(menu->objectName(), QStringLiteral("menuReturn"));
        QTest::keyClick(menu, Qt::Key_V);
        QTRY_VERIFY(editor->findChild<ArchiveWindow*>() &&
                    editor->findChild<ArchiveWindow*>()->isVisible());
    }
    QCOMPARE(editor->findChildren<ArchiveWindow*>().size(), 1);
    QCOMPARE(editor->findChild<ArchiveWindow*>()->findChild<QTreeWidget*>()->topLevelItemCount(),
             0);
}

QTEST_MAIN(TestArchiveWindow)
#include "tst_archive_window.moc"
