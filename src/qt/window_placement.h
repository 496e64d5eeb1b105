#pragma once

#include <QWidget>

namespace qtui {

// Puts a shown window, frame included, in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

}  // namespace qtui
