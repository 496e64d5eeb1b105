#pragma once

#include "gui/form/form_widget.h"
#include "gui/form/qt_toolkit.h"
#include "window/frm_main.h"

namespace gui {

// Loads the window object and shows its widget, as the program starts: the window loads
// before it is first shown, so the user's first sight is already connected or not.
void loadAndShow(frmMain& window, FormWidget& widget, QtToolkitServices& toolkit);

}  // namespace gui
