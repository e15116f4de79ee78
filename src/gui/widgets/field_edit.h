#pragma once

#include <QLineEdit>
#include <functional>

// A text field whose typed characters pass a filter before they are inserted: keys typed on the
// keyboard and text committed by an input method alike. A character the legacy code page
// cannot hold is refused like any refused key. Paste is not filtered; the leave and save checks
// catch what it brings.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    using KeyFilter = std::function<bool(char32_t key)>;

    explicit FieldEdit(QWidget* parent = nullptr);

    // Decides on one character, a whole code point (backspace arrives as code 8); false
    // discards it. The filter does its own beeping and messages.
    void setKeyFilter(KeyFilter filter) { m_keyFilter = std::move(filter); }

    // Sets the background the field shows while an indicator leaves it enabled or greys it.
    void setGreyed(bool greyed);

signals:
    // Entering and leaving the field within its window: a message box or another window taking
    // the focus for a while neither leaves the field nor enters it again.
    void gotFocus(Qt::FocusReason reason);
    void lostFocus(Qt::FocusReason reason);
    void keyReleased(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool accepts(const QString& character);

    KeyFilter m_keyFilter;
    bool m_entered = false; // the field has been entered and not left since
};
