#pragma once

#include <QRect>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "window/toolkit/controls.h"

// Twips to device-independent pixels: Qt's high-DPI scaling takes it from there. The
// window object keeps the design's twips; `scale` is how large the front end shows the
// design, 1 at its own size.
namespace gui {

// Pixels with their fraction, for painting lines.
inline double exactPixelsFromTwips(float twips, double scale) {
    constexpr double kLimit = 1.0e6;
    if (!std::isfinite(twips) || !std::isfinite(scale)) {
        return 0;
    }
    return std::clamp(twips / static_cast<double>(toolkit::kTwipsPerPixel) * scale, -kLimit,
                      kLimit);
}

// Whole pixels, clamped so that a wild value in the model cannot upset Qt's geometry.
inline int pixelsFromTwips(float twips, double scale) {
    return static_cast<int>(std::lround(exactPixelsFromTwips(twips, scale)));
}

// A design size in pixels (a pen width, a border) at `scale`: never less than one
// pixel where the design has one.
inline int scaledPixels(int pixels, double scale) {
    const long scaled = std::lround(std::clamp(pixels * scale, 0.0, 1000.0));
    return pixels > 0 ? std::max(1, static_cast<int>(scaled)) : 0;
}

// The control's place in its container, in pixels; negative sizes become empty. Edges
// are rounded rather than sizes, so that neighbours stay neighbours at any scale.
inline QRect pixelGeometry(const toolkit::Control& control, double scale) {
    const int left = pixelsFromTwips(control.Left, scale);
    const int top = pixelsFromTwips(control.Top, scale);
    const int right = pixelsFromTwips(control.Left + std::max(0.0F, control.Width), scale);
    const int bottom = pixelsFromTwips(control.Top + std::max(0.0F, control.Height), scale);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

}  // namespace gui
