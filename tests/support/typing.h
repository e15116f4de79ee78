#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

// Text as it arrives from an input method: committed in one piece, past every key filter.
inline void commitFromInputMethod(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(field, &event);
}

// Types each character into whichever widget has the focus at that moment, as a user would:
// ASCII as the key that makes it, other Latin-1 characters as a key press carrying the
// character, and any other character (Chinese) committed through the input method.
inline void type(const QString& text) {
    for (const char32_t character : text.toUcs4()) {
        QWidget* target = QApplication::focusWidget();
        const QString typed = QString::fromUcs4(&character, 1);
        if (character < 0x80)
            QTest::keyClick(target, static_cast<char>(character));
        else if (character < 0x100)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, typed, Qt::NoModifier);
        else
            commitFromInputMethod(target, typed);
    }
}

// Moves the focus into the field and, unless told to add, selects its text so that the typing
// replaces it.
inline void typeInto(QLineEdit* field, const QString& text, bool replace = true) {
    field->setFocus(Qt::OtherFocusReason);
    if (replace)
        field->selectAll();
    type(text);
}
