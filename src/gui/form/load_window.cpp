#include "gui/form/load_window.h"

#include "gui/form/window_placement.h"

namespace gui {

void loadAndShow(frmMain& window, FormWidget& widget, QtToolkitServices& toolkit) {
    toolkit.setMainWidget(&widget);
    window.Form_Load();
    widget.syncFromModel();
    widget.show();
    placeOnScreen(widget);
}

}  // namespace gui
