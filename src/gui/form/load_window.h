#pragma once

#include <QRect>
#include <optional>

#include "gui/form/form_widget.h"
#include "gui/form/qt_toolkit.h"
#include "gui/form/window_memory.h"
#include "window/frm_main.h"

namespace gui {

// How the window opens: at a scale asked for (the design's size unless told), else as
// `memory` kept it, else at the design's size or as much smaller as the screen's free
// area needs.
struct Opening {
    std::optional<double> scale = 1;
    WindowMemory* memory = nullptr;
};

// Loads the window object and shows its widget, as the program starts: the window loads
// before it is first shown, so the user's first sight is already connected or not.
void loadAndShow(frmMain& window, FormWidget& widget, QtToolkitServices& toolkit,
                 const Opening& opening = {});

// Gives the window the largest size, the design's at most, at which it fits into
// `available` together with its frame.
void fitInto(FormWidget& widget, const QRect& available);

}  // namespace gui
