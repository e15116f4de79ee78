#pragma once

#include "core/platform/window_placement.h"

#include <QSize>
#include <QString>

class QWidget;

namespace platform {

// Each time the window is shown it is placed over or beside its parent window on the parent's
// screen, or where the user last left it, and always within that screen's available area. Where
// it is left (moved, resized, closed) is kept in the settings under "windows/" and the key, for
// the next time, in this run or a later one.
void keepWindowPlace(QWidget* window, const QString& key, QSize wanted,
                     PlaceSide side = PlaceSide::Over);

} // namespace platform
