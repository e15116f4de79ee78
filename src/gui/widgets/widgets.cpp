#include "gui/widgets/widgets.h"

#include "core/common/secrets.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace widgets {

QLineEdit* passwordField(QWidget* parent, const char* name, int maxLength,
                         const QString& accessibleName) {
    auto* field = named(new QLineEdit(parent), name);
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    field->setMaxLength(maxLength);
    field->setAccessibleName(accessibleName);
    return field;
}

QString takeText(QLineEdit* field) {
    QString typed = field->text();
    field->setText(QString()); // unlike clear, setText drops the undo steps
    return typed;
}

void emptyPasswordField(QLineEdit* field) {
    QString typed = takeText(field);
    secrets::overwrite(typed);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* created = named(new QPushButton(caption, parent), name);
    created->setAutoDefault(false);
    return created;
}

QString spokenText(const QString& caption) {
    QString spoken = caption;
    spoken.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    spoken.remove(u'&');
    return spoken.replace(QChar(1), u'&');
}

QLabel* labelFor(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    if (buddy->accessibleName().isEmpty())
        buddy->setAccessibleName(spokenText(text));
    return label;
}

namespace {
const char* const programWindowMark = "xw73dProgramWindow";
} // namespace

void markAsProgramWindow(QWidget* window) {
    window->setProperty(programWindowMark, true);
}

bool isProgramWindow(const QWidget* window) {
    return window && window->property(programWindowMark).toBool();
}

void showInFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

namespace {

class PressDropper : public QObject {
public:
    explicit PressDropper(QWidget* target)
        : QObject(target) {
        target->installEventFilter(this);
        QTimer::singleShot(0, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::MouseButtonPress ||
               event->type() == QEvent::MouseButtonDblClick;
    }
};

} // namespace

void dropPendingPress(QWidget* target) {
    new PressDropper(target);
}

} // namespace widgets
