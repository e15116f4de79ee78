#pragma once

#include <QLineEdit>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Small builders shared by the screens. Every control carries its name as object name, so that
// tests and screen readers find it.
namespace widgets {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A text field that shows every character as "*".
QLineEdit* passwordField(QWidget* parent, const char* name, int maxLength,
                         const QString& accessibleName);
// Empties a field with its undo steps (which hold every typed character) and returns the text it
// held, which the field no longer shares.
QString takeText(QLineEdit* field);
// Takes a password field's text and overwrites it; a text another string still shares (the run
// keeps the login password) stays where it is.
void emptyPasswordField(QLineEdit* field);
QPushButton* button(QWidget* parent, const char* name, const QString& caption);
// A caption as a screen reader should speak it: mnemonic markers dropped, "&&" read as "&".
QString spokenText(const QString& caption);
// A label that names the field beside it, for the mnemonic and for screen readers.
QLabel* labelFor(QWidget* parent, const QString& text, QWidget* buddy);

// The program's own windows carry a mark, so that a screen can tell coming back from one of
// them from coming back from a message box.
void markAsProgramWindow(QWidget* window);
bool isProgramWindow(const QWidget* window);
// Shows a window of the program above the others with the keyboard's focus, whether it is new
// or was already open behind them.
void showInFront(QWidget* window);

// Eats the mouse press on its way to the control. A field left by a click that refuses its
// value shows a modal box, which stands for swallowing the click: the clicked command must not
// run as well.
void dropPendingPress(QWidget* target);

} // namespace widgets
