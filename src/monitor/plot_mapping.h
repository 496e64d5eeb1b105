#pragma once

// Where a lever value lies across a plot `width` wide or `height` high: X from the
// left edge, Y upward from the bottom edge, as the plot's coordinates run downward.
namespace monitor {

inline constexpr double kLeverFullScale = 255.0;

inline double plotX(int x, double width) {
    return x / kLeverFullScale * width;
}

inline double plotY(int y, double height) {
    return (kLeverFullScale - y) / kLeverFullScale * height;
}

}  // namespace monitor
