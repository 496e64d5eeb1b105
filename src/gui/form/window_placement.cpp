#include "gui/form/window_placement.h"

#include <QScreen>
#include <algorithm>

namespace gui {

QPoint placementWithin(const QRect& frame, const QRect& available) {
    QRect placed = frame;
    placed.moveCenter(available.center());
    // Right and bottom first, so that an oversized frame ends at the top left.
    const int left =
        std::max(std::min(placed.left(), available.right() - placed.width() + 1), available.left());
    const int top =
        std::max(std::min(placed.top(), available.bottom() - placed.height() + 1), available.top());
    return {left, top};
}

void placeOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    window.move(placementWithin(window.frameGeometry(), screen->availableGeometry()));
}

}  // namespace gui
