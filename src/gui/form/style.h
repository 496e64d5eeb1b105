#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>
#include <QWidget>
#include <string>

#include "window/toolkit/controls.h"

// The controls' fonts and colours in Qt terms.
namespace gui {

// The size and weight of controls that name no font of their own.
inline const toolkit::Font kWindowFont{"MS Sans Serif", 8, 400};

// The family first, then installed look-alikes: the design's fonts are seldom
// present outside the system they come from.
QStringList fontFamiliesFor(const std::string& family);
// The design's font at `scale` (1 is the design's size).
QFont qtFont(const toolkit::Font& font, double scale = 1);
// Controls without a font of their own: the desktop's family, as the dialogs have it,
// at the design's size and weight.
QFont windowFont(const QFont& desktop, double scale);

// The contrast of two colours as the web's accessibility guidelines define it, from
// 1 (the same) to 21 (black on white); text wants at least kReadableContrast.
double contrastRatio(const QColor& a, const QColor& b);
inline constexpr double kReadableContrast = 4.5;
// `wanted`, made lighter or darker as far as needed to be readable on `background`.
QColor readableOn(const QColor& wanted, const QColor& background);
// What is not text, such as a check box's box, wants at least kVisibleContrast.
inline constexpr double kVisibleContrast = 3;
// A check box draws its box in the Base colour, which a dark scheme makes nearly the
// window's: the box all but vanishes. It is then white with a black mark, as the
// threshold boxes are in every scheme.
void keepIndicatorVisible(QWidget& checkBox);

// A fixed colour as it is; a system colour from the palette's current colour group.
QColor qtColour(const toolkit::Colour& colour, const QPalette& palette);

// Gives `role` the colour in every colour group. A system foreground colour follows the
// same group's matching role, a system background the active group's. A fixed
// foreground colour leaves the disabled group alone, so a disabled control still looks
// disabled.
void setPaletteColour(QPalette& palette, QPalette::ColorRole role, const toolkit::Colour& colour,
                      bool foreground);

}  // namespace gui
