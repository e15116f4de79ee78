#pragma once

#include <QLineEdit>
#include <functional>

// A text field that sees every character before it is inserted, whether typed or committed by
// an input method (Chinese input arrives that way). A character the code page cannot encode, or
// one the field's typing rule refuses, beeps and is dropped. Paste is not filtered; the screens'
// leave and save checks catch what it brings.
//
// It also reports focus moves between the controls of its window. The window's own activation
// and popups (a message box, a context menu) are not such moves: a check run on them would ask
// again each time a message box closes.
class EntryField : public QLineEdit {
    Q_OBJECT
public:
    using TypingRule = std::function<bool(const QString&)>;

    explicit EntryField(QWidget* parent = nullptr);
    void setTypingRule(TypingRule rule);

signals:
    void gotFocus(Qt::FocusReason reason);
    void lostFocus(Qt::FocusReason reason);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool accepts(const QString& text) const;

    TypingRule m_rule;
};
