#include "gui/widgets/field_entry_controller.h"

#include "core/platform/services.h"
#include "core/records/field_rules.h"
#include "gui/common/message_boxes.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"

#include <QApplication>
#include <QPointer>
#include <QScopedValueRollback>

void FieldEntryController::guardBytes(QLineEdit* field, int limit) {
    const fieldrules::ChangeVerdict verdict =
        fieldrules::byteLengthGuard(field->text(), limit, m_lastAccepted);
    if (!verdict.revert) {
        m_lastAccepted = field->text();
        return;
    }
    field->setText(verdict.text);
    platform::services().beep();
}

void FieldEntryController::refuse(QLineEdit* field, const QString& message,
                                  const std::optional<QString>& restored,
                                  const std::function<void()>& showField) {
    const QScopedValueRollback refusing(m_refusing, true);
    if (showField)
        showField();
    showError(message);
    if (restored)
        field->setText(*restored);
    field->setFocus();
}

void FieldEntryController::watchLeave(FieldEdit* field, QObject* context,
                                      std::function<bool()> leaveRefused) {
    QObject::connect(field, &FieldEdit::lostFocus, context,
                     [this, check = std::move(leaveRefused)](Qt::FocusReason reason) {
                         // A refused field taking the focus back passes through other fields:
                         // they are not left.
                         if (m_refusing)
                             return;
                         const QPointer<QWidget> movingTo = QApplication::focusWidget();
                         if (check() && reason == Qt::MouseFocusReason && movingTo)
                             widgets::dropPendingPress(movingTo);
                     });
}
