#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Finds the visible top-level screen with the given object name.
template <class Screen> Screen* visibleScreen(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == QLatin1String(name))
            return qobject_cast<Screen*>(widget);
    return nullptr;
}

// Closes and deletes every top-level window a test left behind.
inline void closeAllScreens() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        widget->hide();
        widget->deleteLater();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A control of a screen by its object name.
template <class Widget> Widget* child(const QWidget* screen, const char* name) {
    return screen->findChild<Widget*>(QLatin1String(name));
}

inline bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
