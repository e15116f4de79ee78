#include "gui/platform/window_place.h"

#include "core/platform/settings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {
namespace {

// The window manager's frame around a shown window's inner area.
QMargins frameOf(const QWidget* window) {
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

class WindowPlaceKeeper : public QObject {
public:
    WindowPlaceKeeper(QWidget* window, const QString& key, QSize wanted, PlaceSide side)
        : QObject(window)
        , m_window(window)
        , m_key(QStringLiteral("windows/") + key)
        , m_wanted(wanted)
        , m_side(side) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show && !event->spontaneous())
            place();
        else if (event->type() == QEvent::Hide && !event->spontaneous())
            keep();
        else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                 m_window->isVisible())
            keep();
        return false;
    }

private:
    void place() {
        const QWidget* parent =
            m_window->parentWidget() ? m_window->parentWidget()->window() : nullptr;
        const bool besideParent = parent && parent->isVisible();
        const QScreen* screen = besideParent ? parent->screen() : m_window->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        PlacementRequest request;
        request.parent = besideParent ? parent->frameGeometry() : QRect();
        request.available = screen->availableGeometry();
        request.wanted = m_wanted;
        request.kept = settings().value(m_key).toRect();
        request.frame = besideParent ? frameOf(parent) : QMargins();
        request.side = m_side;
        m_window->setGeometry(windowPlacement(request));
    }

    void keep() { settings().setValue(m_key, m_window->normalGeometry()); }

    QWidget* m_window;
    QString m_key;
    QSize m_wanted;
    PlaceSide m_side;
};

} // namespace

void keepWindowPlace(QWidget* window, const QString& key, QSize wanted, PlaceSide side) {
    window->resize(wanted);
    window->installEventFilter(new WindowPlaceKeeper(window, key, wanted, side));
}

} // namespace platform
