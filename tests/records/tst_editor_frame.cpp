#include "records/fNameSearch.h"
#include "records/fXW73D.h"
#include "platform/field_edit.h"
#include "records/navigator.h"
#include "support/screens.h"
#include "support/scripted_services.h"
#include "support/working_database.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

namespace {

struct Editor {
    explicit Editor(WorkingDatabase& db) {
        screen = std::make_unique<fXW73D>(db.state);
        screen->setReturnYearSource([] { return QStringLiteral("2001"); });
        screen->load();
    }
    ~Editor() {
        screen.reset();
        closeAllScreens();
    }
    fXW73D* operator->() const { return screen.get(); }
    QStringList enabledCommands() const {
        QStringList names;
        for (QPushButton* command :
             {screen->cNew, screen->cUpdate, screen->cDelete, screen->cExit, screen->cNameSearch,
              screen->cSort, screen->cPrint, screen->cPrintAll, screen->cSaveFloppy})
            if (command->isEnabled())
                names << command->objectName();
        return names;
    }
    std::unique_ptr<fXW73D> screen;
};

const QStringList browsingCommands{"cNew",  "cDelete", "cExit",     "cNameSearch",
                                   "cSort", "cPrint",  "cPrintAll", "cSaveFloppy"};
const QStringList editingCommands{"cUpdate", "cExit"};

QStringList outlineTexts(QTreeWidget* outline) {
    QStringList all;
    for (QTreeWidgetItemIterator it(outline); *it; ++it)
        all << ((*it)->parent() ? QStringLiteral("  ") : QString()) + (*it)->text(0);
    return all;
}

} // namespace

class TestEditorFrame : public QObject {
    Q_OBJECT
private slots:
    void emptyDatabaseOpensOnANewRecord();
    void opensOnTheFirstNameAndCountsOnFromTheHighestId();
    void browsingShowsRowsWithoutMarkingThem();
    void typingStartsAnEdit();
    void rowWithoutSurnameDoesNotStartAnEdit();
    void recordTypeButtonsFollowTheStatus();
    void pagesAndTheirFirstFields();
    void nameSearchListsAndShowsRecords();
    void nameSearchFindsNamesWithApostrophes();
};

void TestEditorFrame::emptyDatabaseOpensOnANewRecord() {
    ScriptedServices services;
    WorkingDatabase db;
    Editor editor(db);
    QCOMPARE(editor->windowTitle(), QStringLiteral("XW73D 3.4"));
    QCOMPARE(services.texts(), QStringList{"No record found. Please add new record!"});
    QCOMPARE(services.boxes.first().title, QStringLiteral("INFORMATION"));
    QCOMPARE(editor->Data1->caption(), QStringLiteral("New Record"));
    QVERIFY(!editor->Data1->isEnabled());
    QCOMPARE(editor->cExit->text(), QStringLiteral("&Cancel"));
    QCOMPARE(editor.enabledCommands(), editingCommands);
    QVERIFY(editor->isPageVisible(1));
    QCOMPARE(editor->tStatus->text(), QStringLiteral("O"));
    QVERIFY(editor->optStatus[0]->isChecked());
    QVERIFY(editor->tPage1[0]->text().isEmpty());
    QCOMPARE(editor->commandState(), fXW73D::CommandState::NewRecord);
}

void TestEditorFrame::opensOnTheFirstNameAndCountsOnFromTheHighestId() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(40, QStringLiteral("WONG"), QStringLiteral("ANNA"));
    db.addOriginal(7, QStringLiteral("chan"), QStringLiteral("tai man"));
    db.addOriginal(12, QStringLiteral("Chan"), QStringLiteral("Siu Ming"));
    Editor editor(db);
    QVERIFY(services.boxes.isEmpty());
    QCOMPARE(editor->Data1->caption(), QStringLiteral("Chan, Siu Ming"));
    QCOMPARE(editor->tID->text(), QStringLiteral("12"));
    QCOMPARE(editor->cExit->text(), QStringLiteral("&Quit"));
    QCOMPARE(editor.enabledCommands(), browsingCommands);
    QVERIFY(editor->Data1->isEnabled());
    QCOMPARE(editor->records().count(), 3);
    QCOMPARE(editor->nextRecordId(), 41);
}

void TestEditorFrame::browsingShowsRowsWithoutMarkingThem() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("ADAMS"), QStringLiteral("AMY"));
    db.addOriginal(2, QStringLiteral("BAKER"), QVariant());
    db.addOriginal(3, QStringLiteral("CHAN"), QStringLiteral("CHI"));
    Editor editor(db);
    QTest::mouseClick(editor->Data1->nextButton, Qt::LeftButton);
    QCOMPARE(editor->Data1->caption(), QStringLiteral("BAKER"));
    QCOMPARE(editor->tPage1[0]->text(), QStringLiteral("BAKER"));
    QTest::mouseClick(editor->Data1->lastButton, Qt::LeftButton);
    QCOMPARE(editor->Data1->caption(), QStringLiteral("CHAN, CHI"));
    QTest::mouseClick(editor->Data1->nextButton, Qt::LeftButton);
    QCOMPARE(editor->Data1->caption(), QStringLiteral("CHAN, CHI"));
    QTest::mouseClick(editor->Data1->firstButton, Qt::LeftButton);
    QCOMPARE(editor->tPage1[1]->text(), QStringLiteral("AMY"));
    QCOMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
    QCOMPARE(editor->cExit->text(), QStringLiteral("&Quit"));
}

void TestEditorFrame::typingStartsAnEdit() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("ADAMS"), QStringLiteral("AMY"));
    Editor editor(db);
    QVERIFY(activate(editor.screen.get()));
    editor->tPage1[7]->setFocus();
    QTest::keyClick(editor->tPage1[7], Qt::Key_X);
    QCOMPARE(editor->cExit->text(), QStringLiteral("&Cancel"));
    QCOMPARE(editor.enabledCommands(), editingCommands);
    QVERIFY(!editor->Data1->isEnabled());
    QCOMPARE(editor->commandState(), fXW73D::CommandState::Editing);
    QCOMPARE(editor->records().editMode(), EditMode::Edit);
    // Moving is refused while the edit is pending.
    QTest::mouseClick(editor->Data1->nextButton, Qt::LeftButton);
    QCOMPARE(editor->tPage1[7]->text(), QStringLiteral("x"));
}

void TestEditorFrame::rowWithoutSurnameDoesNotStartAnEdit() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee(
        {{"ID", 1}, {"Status", QStringLiteral("O")}, {"FirstName", QStringLiteral("X")}});
    db.addOriginal(2, QStringLiteral("ADAMS"), QStringLiteral("AMY"));
    Editor editor(db);
    QTest::mouseClick(editor->Data1->nextButton, Qt::LeftButton);
    QTest::mouseClick(editor->Data1->previousButton, Qt::LeftButton);
    QCOMPARE(editor->tPage1[1]->text(), QStringLiteral("X"));
    QCOMPARE(editor->Data1->caption(), QString());
    QVERIFY(activate(editor.screen.get()));
    editor->tPage1[7]->setFocus();
    QTest::keyClicks(editor->tPage1[7], QStringLiteral("abc"));
    QCOMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
}

void TestEditorFrame::recordTypeButtonsFollowTheStatus() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee({{"ID", 1},
                    {"Status", QStringLiteral("R")},
                    {"SheetNo", QStringLiteral("7")},
                    {"Surname", QStringLiteral("LAM")},
                    {"FirstName", QStringLiteral("KA")}});
    db.addEmployee({{"ID", 2},
                    {"Status", QStringLiteral("x")},
                    {"SheetNo", QStringLiteral(" ")},
                    {"Surname", QStringLiteral("MAK")},
                    {"FirstName", QStringLiteral("KA")}});
    Editor editor(db);
    QVERIFY(editor->optStatus[1]->isChecked());
    QVERIFY(editor->tSheetNo->isEnabled());
    QCOMPARE(editor->tSheetNo->text(), QStringLiteral("7"));

    QTest::mouseClick(editor->optStatus[0], Qt::LeftButton);
    QCOMPARE(editor->tStatus->text(), QStringLiteral("O"));
    QCOMPARE(editor->tSheetNo->text(), QStringLiteral(" "));
    QVERIFY(!editor->tSheetNo->isEnabled());
    QCOMPARE(editor->tSheetNo->palette().color(QPalette::Base), QColor(224, 224, 224));
    QCOMPARE(editor->commandState(), fXW73D::CommandState::Editing);
    QTest::mouseClick(editor->optStatus[1], Qt::LeftButton);
    QCOMPARE(editor->tStatus->text(), QStringLiteral("R"));
    QVERIFY(editor->tSheetNo->isEnabled());
    QVERIFY(editor->tSheetNo->palette().color(QPalette::Base) != QColor(224, 224, 224));
}

void TestEditorFrame::pagesAndTheirFirstFields() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("ADAMS"), QStringLiteral("AMY"));
    Editor editor(db);
    QVERIFY(activate(editor.screen.get()));
    QTest::mouseClick(editor->lPage[2], Qt::LeftButton);
    QVERIFY(editor->isPageVisible(3));
    QVERIFY(editor->Picture1[2]->isVisible());
    QVERIFY(!editor->Picture1[0]->isVisible());
    QCOMPARE(QApplication::focusWidget(), editor->tQFlag);
    QTest::mouseClick(editor->lPage[1], Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), editor->tddmmyy[0]);
    QCOMPARE(editor->lYear1[0]->text(), QStringLiteral("2000"));
    QCOMPARE(editor->lYear1[1]->text(), QStringLiteral("2001"));
    QTest::mouseClick(editor->lPage[3], Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), editor->tOSeaFlag);
    QTest::mouseClick(editor->lPage[0], Qt::LeftButton);
    editor->optStatus[0]->setFocus();
    QTest::keyClick(editor->optStatus[0], Qt::Key_PageUp);
    QVERIFY(editor->isPageVisible(4));
    QTest::mouseClick(editor->lPage[0], Qt::LeftButton);
    editor->optStatus[0]->setFocus();
    QTest::keyClick(editor->optStatus[0], Qt::Key_PageDown);
    QVERIFY(editor->isPageVisible(2));
    QCOMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
}

void TestEditorFrame::nameSearchListsAndShowsRecords() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("WONG"), QStringLiteral("ANNA"));
    db.addOriginal(2, QStringLiteral("SMITH"), QStringLiteral("PETER"));
    db.addOriginal(3, QStringLiteral("SMITH"), QStringLiteral("JOHN"));
    Editor editor(db);
    editor->cNameSearch->click();
    fNameSearch* search = editor->nameSearch();
    QVERIFY(search && search->isVisible());
    QCOMPARE(search->windowTitle(), QStringLiteral("Name Search"));
    QVERIFY(QTest::qWaitForWindowActive(search));
    QTRY_COMPARE(search->Outline1->topLevelItemCount(), 26);
    const QStringList all = outlineTexts(search->Outline1);
    QCOMPARE(all.mid(18, 3), (QStringList{"S", "  SMITH, JOHN", "  SMITH, PETER"}));
    QCOMPARE(all.mid(22, 5), (QStringList{"U", "V", "W", "  WONG, ANNA", "X"}));
    QCOMPARE(search->Outline1->currentItem()->text(0), QStringLiteral("A"));
    QTreeWidgetItem* letterS = search->Outline1->topLevelItem(18);
    QVERIFY(letterS->isExpanded());

    const QRect peter = search->Outline1->visualItemRect(letterS->child(1));
    QTest::mouseClick(search->Outline1->viewport(), Qt::LeftButton, {}, peter.center());
    QCOMPARE(editor->Data1->caption(), QStringLiteral("SMITH, PETER"));
    QCOMPARE(editor->tID->text(), QStringLiteral("2"));

    const QRect letter = search->Outline1->visualItemRect(letterS);
    QTest::mouseClick(search->Outline1->viewport(), Qt::LeftButton, {}, letter.center());
    QCOMPARE(editor->Data1->caption(), QStringLiteral("SMITH, PETER"));
    QTest::mouseDClick(search->Outline1->viewport(), Qt::LeftButton, {}, letter.center());
    QVERIFY(!letterS->isExpanded());
    search->Outline1->setCurrentItem(letterS);
    QTest::keyClick(search->Outline1, Qt::Key_Return);
    QVERIFY(letterS->isExpanded());
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorFrame::nameSearchFindsNamesWithApostrophes() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("O'BRIEN"), QStringLiteral("JAMES"));
    db.addOriginal(2, QStringLiteral("1ST COMPANY"), QStringLiteral("LTD"));
    db.addOriginal(3, QStringLiteral("ABBOT"), QStringLiteral("ANN"));
    Editor editor(db);
    editor->cNameSearch->click();
    fNameSearch* search = editor->nameSearch();
    QVERIFY(QTest::qWaitForWindowActive(search));
    QTRY_COMPARE(search->Outline1->topLevelItemCount(), 26);
    QTreeWidgetItem* letterO = search->Outline1->topLevelItem(14);
    QCOMPARE(letterO->childCount(), 1);
    QCOMPARE(search->Outline1->topLevelItem(0)->child(0)->text(0), QStringLiteral("ABBOT, ANN"));
    const QRect obrien = search->Outline1->visualItemRect(letterO->child(0));
    QTest::mouseClick(search->Outline1->viewport(), Qt::LeftButton, {}, obrien.center());
    QCOMPARE(editor->Data1->caption(), QStringLiteral("O'BRIEN, JAMES"));
    QVERIFY(services.boxes.isEmpty());
}

QTEST_MAIN(TestEditorFrame)
#include "tst_editor_frame.moc"
