#include "gui/form/window_placement.h"

#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace gui {

QPoint movedWithin(const QRect& frame, const QRect& available) {
    // Right and bottom first, so that an oversized frame ends at the top left.
    const int left =
        std::max(std::min(frame.left(), available.right() - frame.width() + 1), available.left());
    const int top =
        std::max(std::min(frame.top(), available.bottom() - frame.height() + 1), available.top());
    return {left, top};
}

QPoint placementWithin(const QRect& frame, const QRect& available) {
    QRect placed = frame;
    placed.moveCenter(available.center());
    return movedWithin(placed, available);
}

QSize frameAllowance(const QWidget& widget) {
    const QSize known = widget.frameGeometry().size() - widget.size();
    if (!known.isEmpty()) {
        return known;
    }
    constexpr int kFrame = 4;
    const int titleBar = widget.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &widget);
    return {2 * kFrame, titleBar + 2 * kFrame};
}

namespace {

void moveOnScreen(QWidget& window, QPoint (*placement)(const QRect&, const QRect&)) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    window.move(placement(window.frameGeometry(), screen->availableGeometry()));
}

}  // namespace

void placeOnScreen(QWidget& window) {
    moveOnScreen(window, placementWithin);
}

void keepOnScreen(QWidget& window) {
    moveOnScreen(window, movedWithin);
}

}  // namespace gui
