#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

namespace gui {

// Where a window frame goes in a screen's free area: centred, and moved inside it where
// it would stick out; a frame larger than the area starts at its top left, so the title
// bar stays reachable.
QPoint placementWithin(const QRect& frame, const QRect& available);

// Puts a shown window, frame included, on its screen's free area as placementWithin says.
void placeOnScreen(QWidget& window);

}  // namespace gui
