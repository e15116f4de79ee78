#include "core/platform/window_placement.h"

#include <algorithm>

namespace platform {
namespace {

// The rectangle moved the least that puts it inside the area; it must not be larger.
QRect keptInside(QRect rect, const QRect& area) {
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() - rect.height() + 1));
    return rect;
}

QRect centredOver(const QRect& target, QSize size) {
    QRect rect(QPoint(), size);
    rect.moveCenter(target.center());
    return rect;
}

// To the right of the parent when it fits there, else to its left, else over it.
QRect besideParent(const PlacementRequest& request, const QRect& area, QSize size) {
    const int top = request.parent.top() + request.frame.top();
    const QRect right(QPoint(request.parent.right() + 1 + request.frame.left(), top), size);
    if (right.right() <= area.right())
        return right;
    const QRect left(QPoint(request.parent.left() - request.frame.right() - size.width(), top),
                     size);
    if (left.left() >= area.left())
        return left;
    return centredOver(request.parent, size);
}

} // namespace

QRect windowPlacement(const PlacementRequest& request) {
    const QRect area = request.available.marginsRemoved(request.frame);
    const bool kept = request.kept.isValid();
    const QSize size = (kept ? request.kept.size() : request.wanted).boundedTo(area.size());
    QRect rect;
    if (kept && request.kept.intersects(area))
        rect = QRect(request.kept.topLeft(), size);
    else if (request.parent.isEmpty())
        rect = centredOver(area, size);
    else if (request.side == PlaceSide::Beside)
        rect = besideParent(request, area, size);
    else
        rect = centredOver(request.parent, size);
    return keptInside(rect, area);
}

} // namespace platform
