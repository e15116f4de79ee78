#include "gui/widgets/field_edit.h"

#include "core/common/codepage.h"
#include "core/platform/services.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {
constexpr QChar backspaceKey(8);
const QColor greyBackground(224, 224, 224);
} // namespace

FieldEdit::FieldEdit(QWidget* parent)
    : QLineEdit(parent) {}

void FieldEdit::setGreyed(bool greyed) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base,
                     greyed ? greyBackground : QApplication::palette(this).color(QPalette::Base));
    setPalette(colours);
}

// One typed character: a single code unit, or a surrogate pair for characters beyond the basic
// plane; the filter sees the whole code point.
bool FieldEdit::accepts(const QString& character) {
    const char32_t key = character.toUcs4().value(0);
    if (key != backspaceKey.unicode() && !codepage::canEncode(character)) {
        platform::services().beep();
        return false;
    }
    return !m_keyFilter || m_keyFilter(key);
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    // A character beyond the basic plane arrives as a surrogate pair: judge its code point.
    const char32_t first = event->text().toUcs4().value(0);
    const bool typed = event->key() == Qt::Key_Backspace ||
                       (first != 0 && QChar::isPrint(first) &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)));
    if (typed) {
        const QString key =
            event->key() == Qt::Key_Backspace ? QString(backspaceKey) : event->text();
        if (!accepts(key)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void FieldEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (committed.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // Each committed character passes the filter on the text as it stands before it.
    QInputMethodEvent preeditOnly(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&preeditOnly);
    for (qsizetype at = 0; at < committed.size(); ++at) {
        const qsizetype units =
            committed.at(at).isHighSurrogate() && at + 1 < committed.size() ? 2 : 1;
        const QString character = committed.mid(at, units);
        at += units - 1;
        if (accepts(character))
            insert(character);
    }
    event->accept();
}

// A key released with Ctrl held ends one of the window's shortcuts (Ctrl+Page Down changes the
// page as it is pressed), not a key typed into the field.
void FieldEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (!event->modifiers().testFlag(Qt::ControlModifier))
        emit keyReleased(event->key());
}

namespace {
// The focus moving to or from another window, a message box or a menu: not a move between the
// window's fields.
bool isWindowSwitch(const QFocusEvent* event) {
    return event->reason() == Qt::ActiveWindowFocusReason ||
           event->reason() == Qt::PopupFocusReason;
}
} // namespace

void FieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Entering a field by Tab leaves its text unselected, the caret at its end: a key typed
    // next adds to the text instead of replacing it.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        deselect();
    // Coming back to the window enters a field only when the focus was given to it meanwhile
    // (the first field of a window being shown, or one given the focus behind a message box).
    if (m_entered && isWindowSwitch(event))
        return;
    m_entered = true;
    emit gotFocus(event->reason());
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!m_entered || isWindowSwitch(event))
        return;
    m_entered = false;
    emit lostFocus(event->reason());
}
