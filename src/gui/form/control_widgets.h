#pragma once

#include <QWidget>

#include "window/toolkit/controls.h"

// One widget per control kind, and bringing a widget up to date with its control.
namespace gui {

// The widget that renders `control` inside `parent`, styled from the model and shown at
// `scale` (1 is the design's size); null for controls drawn by another widget (line
// shapes) or never seen (the timer).
QWidget* createControlWidget(const toolkit::Control& control, QWidget* parent, double scale);

// Gives the widget its font and place at a new scale.
void scaleControlWidget(const toolkit::Control& control, QWidget& widget, double scale);

// Copies text, caption, enabled, visible and place from the model, touching only what
// differs so typing, the cursor and painting are left alone.
void updateControlWidget(const toolkit::Control& control, QWidget& widget, double scale);

}  // namespace gui
