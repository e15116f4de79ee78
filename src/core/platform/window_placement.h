#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// Where a window that opens from another one appears: over or beside its parent, wholly inside
// the available area of the screen (never larger than it), or where the user last left it.
namespace platform {

enum class PlaceSide {
    Over,   // centred over the parent (previews, the save screen, the import dry run)
    Beside, // next to the parent, so both stay in view (the name search, the problem list)
};

struct PlacementRequest {
    QRect parent;    // the parent's frame on the screen; empty when the window has none
    QRect available; // the available area of the screen the window opens on
    QSize wanted;    // the window's own size when it has none kept
    QRect kept;      // the window's place when it was last left; invalid when never
    QMargins frame;  // the window manager's frame around a window's inner area
    PlaceSide side = PlaceSide::Over;
};

// The inner area (without the frame) that the window is given.
QRect windowPlacement(const PlacementRequest& request);

} // namespace platform
