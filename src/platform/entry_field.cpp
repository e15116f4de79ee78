#include "platform/entry_field.h"

#include "common/codepage.h"
#include "platform/services.h"

#include <QKeyEvent>

namespace {

// Keys that insert no character (Backspace, Enter, arrows, Delete) and shortcuts such as the
// paste key pass untouched.
bool insertsText(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).category() != QChar::Other_Control;
}

bool movesFocusWithinWindow(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

} // namespace

EntryField::EntryField(QWidget* parent)
    : QLineEdit(parent) {}

void EntryField::setTypingRule(TypingRule rule) {
    m_rule = std::move(rule);
}

bool EntryField::accepts(const QString& text) const {
    return codepage::canEncode(text) && (!m_rule || m_rule(text));
}

void EntryField::keyPressEvent(QKeyEvent* event) {
    if (insertsText(event) && !accepts(event->text())) {
        platform::services().beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || accepts(event->commitString())) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    platform::services().beep();
    // The composition still ends; only its result is dropped.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
}

void EntryField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (movesFocusWithinWindow(event))
        emit gotFocus(event->reason());
}

void EntryField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (movesFocusWithinWindow(event))
        emit lostFocus(event->reason());
}
