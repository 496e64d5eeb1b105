#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>
#include <string>

#include "window/toolkit/controls.h"

// The controls' fonts and colours in Qt terms.
namespace gui {

// The font of controls that name none of their own.
inline const toolkit::Font kWindowFont{"MS Sans Serif", 8, 400};

// The family first, then installed look-alikes: the design's fonts are seldom
// present outside the system they come from.
QStringList fontFamiliesFor(const std::string& family);
QFont qtFont(const toolkit::Font& font);

// A fixed colour as it is; a system colour from the palette's current colour group.
QColor qtColour(const toolkit::Colour& colour, const QPalette& palette);

// Gives `role` the colour in every colour group. A system foreground colour follows the
// same group's matching role, a system background the active group's. A fixed
// foreground colour leaves the disabled group alone, so a disabled control still looks
// disabled.
void setPaletteColour(QPalette& palette, QPalette::ColorRole role, const toolkit::Colour& colour,
                      bool foreground);

}  // namespace gui
