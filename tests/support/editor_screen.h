#pragma once

#include "records/fXW73D.h"
#include "platform/field_edit.h"
#include "support/screens.h"
#include "support/working_database.h"

#include <QLabel>
#include <QTest>
#include <memory>

// The record editor loaded on a working database, as the employer screen's Continue opens it,
// with the return year the employer screen would give.
struct EditorScreen {
    explicit EditorScreen(WorkingDatabase& db, const QString& returnYear = QStringLiteral("2001")) {
        screen = std::make_unique<fXW73D>(db.state);
        screen->setReturnYearSource([returnYear] { return returnYear; });
        screen->load();
    }
    ~EditorScreen() {
        screen.reset();
        closeAllScreens();
    }
    fXW73D* operator->() const { return screen.get(); }
    fXW73D* get() const { return screen.get(); }

    // The page (1 to 4) that holds a field.
    int pageOf(QWidget* field) const {
        for (int i = 0; i < 4; ++i)
            if (screen->Picture1[i]->isAncestorOf(field))
                return i + 1;
        return 0;
    }
    void clickPage(int page) const { QTest::mouseClick(screen->lPage[page - 1], Qt::LeftButton); }

    // Replaces a field's text as a user would: go to its page, click into it, select all, erase
    // and type.
    void retype(FieldEdit* field, const QString& text) const {
        if (!field->isVisible())
            clickPage(pageOf(field));
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    void retype(const QString& column, const QString& text) const {
        retype(screen->field(column), text);
    }

    // Presses a command's Alt mnemonic on the editor.
    void press(Qt::Key mnemonic) const { QTest::keyClick(screen.get(), mnemonic, Qt::AltModifier); }

    std::unique_ptr<fXW73D> screen;
};
