#pragma once

#include "gui/records/name_search_link.h"
#include "gui/records/name_search_window.h"
#include "gui/records/navigator.h"
#include "gui/records/record_editor.h"
#include "gui/records/record_list_link.h"
#include "gui/records/record_list_panel.h"
#include "gui/widgets/field_edit.h"
#include "store/records/record_set.h"
#include "support/screens.h"
#include "support/scripted_services.h"
#include "support/typing.h"
#include "support/working_database.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <memory>

using CommandState = RecordEditor::CommandState;

// An original record with only its names.
inline QStringList original(int id, const QString& surname, const QString& others) {
    return {"ID=" + QString::number(id), "Status=O", "SheetNo= ", "Surname=" + surname,
            "FirstName=" + others};
}

// A record that passes every page check for the return year 2001.
inline QStringList completeRecord(int id, const QString& surname, const QString& others) {
    const QStringList rest{"Sex=M",      "RAddress1=1 Main St", "RAreaCode=H", "Capacity=Clerk",
                           "EDay1=01",   "EMonth1=04",          "EYear1=2000", "EDay2=31",
                           "EMonth2=03", "EYear2=2001",         "QFlag=0",     "OSeaFlag=0"};
    return original(id, surname, others) + rest;
}

inline QWidget* focused() {
    return QApplication::focusWidget();
}

inline QString focusName() {
    return focused() ? focused()->objectName() : QString();
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), key, modifiers);
}

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

// The record editor as the employer screen's Continue opens it, with the return year 2001, on a
// working database of its own; the stand-in services answer its message boxes.
struct EditorScreen {
    ~EditorScreen() {
        screen.reset();
        closeAllScreens();
    }
    // Adds the records ("Column=value" texts), loads the editor, shows it and makes it active.
    bool open(const QList<QStringList>& records = {}) {
        for (const QStringList& record : records)
            db.addRecord(record);
        screen = std::make_unique<RecordEditor>(db.state);
        EmployerData employer;
        employer.returnYear = QStringLiteral("2001");
        screen->setEmployer(employer);
        linkNameSearch(*screen);
        if (withRecordList)
            linkRecordList(*screen);
        screen->load();
        return activate(screen.get());
    }
    RecordEditor* operator->() const { return screen.get(); }
    bool isIn(CommandState state) const { return screen->commandState() == state; }

    // A control by its object name, as "tPage1(0)".
    template <class Widget = FieldEdit> Widget* control(const QString& name) const {
        return screen->findChild<Widget*>(name);
    }
    // An element of a control array by its object name, as element("tPage1", 0).
    template <class Widget = FieldEdit> Widget* element(const char* name, int index) const {
        return control<Widget>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
    }
    Navigator* navigator() const { return control<Navigator>(QStringLiteral("Data1")); }
    // One of the record control's arrows: "firstButton", "previousButton", "nextButton" or
    // "lastButton".
    QToolButton* arrow(const char* name) const {
        return navigator()->findChild<QToolButton*>(QLatin1String(name));
    }
    // What a screen reader says for the record control's caption.
    QString spokenCaption() const {
        QWidget* caption = navigator()->findChild<QLabel*>(QStringLiteral("caption"));
        return QAccessible::queryAccessibleInterface(caption)->text(QAccessible::Name);
    }
    // The name search window the Name Search command opened, if any.
    NameSearchWindow* nameSearch() const { return screen->findChild<NameSearchWindow*>(); }
    // The record list beside the pages, when opened withRecordList.
    RecordListPanel* recordList() const { return screen->findChild<RecordListPanel*>(); }

    // The page (1 to 4) that holds a field.
    int pageOf(QWidget* field) const {
        for (int i = 0; i < 4; ++i)
            if (element<QWidget>("Picture1", i)->isAncestorOf(field))
                return i + 1;
        return 0;
    }
    void clickPage(int page) const { click(element<QLabel>("lPage", page - 1)); }

    // Goes to a field's page, clicks into it and selects its text, as a user would.
    void select(FieldEdit* field) const {
        if (!field->isVisible())
            clickPage(pageOf(field));
        click(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    }
    // Replaces a field's text by erasing it and typing.
    void retype(FieldEdit* field, const QString& text) const {
        select(field);
        QTest::keyClick(field, Qt::Key_Backspace);
        type(text);
    }
    // Types "Column=text" into each column's field in turn.
    void typeAll(const QStringList& typing) const {
        for (const QString& entry : typing) {
            const auto [column, text] = columnAndValue(entry);
            retype(screen->field(column), text);
        }
    }
    // Replaces a field's text by a paste, which no key filter sees.
    void paste(FieldEdit* field, const QString& text) const {
        QGuiApplication::clipboard()->setText(text);
        select(field);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    // Presses a command's Alt mnemonic on the editor.
    void press(Qt::Key mnemonic) const { QTest::keyClick(screen.get(), mnemonic, Qt::AltModifier); }

    // The commands that can be pressed now.
    QStringList enabledCommands() const {
        QStringList names;
        for (const char* name : {"cNew", "cUpdate", "cDelete", "cExit", "cNameSearch", "cSort",
                                 "cPrint", "cPrintAll", "cSaveFloppy"})
            if (control<QPushButton>(QLatin1String(name))->isEnabled())
                names << QLatin1String(name);
        return names;
    }

    bool withRecordList = false; // the list beside the pages, as the program has it
    ScriptedServices services;
    WorkingDatabase db;
    std::unique_ptr<RecordEditor> screen;
};
