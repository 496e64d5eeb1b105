#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace gui {

// Where a window frame goes in a screen's free area: where it sticks out it moves in;
// a frame larger than the area starts at its top left, so the title bar stays reachable.
QPoint movedWithin(const QRect& frame, const QRect& available);
// The same for a frame centred on the area first.
QPoint placementWithin(const QRect& frame, const QRect& available);

// The window manager's frame, once known; before the first show, what a title bar and
// a frame usually take.
QSize frameAllowance(const QWidget& widget);

// Puts a shown window, frame included, on its screen's free area as placementWithin says.
void placeOnScreen(QWidget& window);
// Moves a shown window only as far as needed to be inside its screen's free area.
void keepOnScreen(QWidget& window);

}  // namespace gui
