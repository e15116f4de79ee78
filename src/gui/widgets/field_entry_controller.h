#pragma once

#include <QString>
#include <functional>
#include <optional>

class FieldEdit;
class QLineEdit;
class QObject;

// What the fields of one screen share while the user types into them and leaves them: the last
// text that passed the byte guard, the refusal of a left field (message, old text back, focus
// back), and the click that left a refused field, which must not reach what it clicked.
class FieldEntryController {
public:
    // One slot for every byte-guarded field of the screen.
    const QString& lastAccepted() const { return m_lastAccepted; }
    void accept(const QString& text) { m_lastAccepted = text; }
    // A text longer in code-page bytes than the limit goes back to the last accepted text with a
    // beep; a text within it becomes the last accepted one.
    void guardBytes(QLineEdit* field, int limit);

    // Shows the message in the error box, puts back the restored text when there is one and gives
    // the focus back; showField first brings the field into view. No field is left meanwhile.
    void refuse(QLineEdit* field, const QString& message,
                const std::optional<QString>& restored = std::nullopt,
                const std::function<void()>& showField = {});
    bool isRefusing() const { return m_refusing; }

    // Runs the leave check (true when it refused) as the field loses the focus, unless a refused
    // field is taking the focus back. A refusal drops the click that moved the focus away.
    void watchLeave(FieldEdit* field, QObject* context, std::function<bool()> leaveRefused);

private:
    QString m_lastAccepted;
    bool m_refusing = false;
};
