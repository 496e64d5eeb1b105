#pragma once

#include <QRect>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "window/toolkit/controls.h"

// Twips to device-independent pixels: Qt's high-DPI scaling takes it from there.
namespace gui {

// Whole pixels, clamped so that a wild value in the model cannot upset Qt's geometry.
inline int pixelsFromTwips(float twips) {
    constexpr float kLimit = 1.0e6F;
    if (!std::isfinite(twips)) {
        return 0;
    }
    const float pixels = std::clamp(twips / toolkit::kTwipsPerPixel, -kLimit, kLimit);
    return static_cast<int>(std::lround(pixels));
}

// Pixels with their fraction, for painting lines.
inline double exactPixelsFromTwips(float twips) {
    constexpr double kLimit = 1.0e6;
    if (!std::isfinite(twips)) {
        return 0;
    }
    return std::clamp(twips / static_cast<double>(toolkit::kTwipsPerPixel), -kLimit, kLimit);
}

// The control's place in its container, in pixels; negative sizes become empty.
inline QRect pixelGeometry(const toolkit::Control& control) {
    return QRect(pixelsFromTwips(control.Left), pixelsFromTwips(control.Top),
                 std::max(0, pixelsFromTwips(control.Width)),
                 std::max(0, pixelsFromTwips(control.Height)));
}

}  // namespace gui
