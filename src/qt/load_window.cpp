#include "qt/load_window.h"

#include "qt/window_placement.h"

namespace qt {

void loadAndShow(frmMain& window, FormWidget& widget, QtToolkitServices& toolkit) {
    toolkit.setMainWidget(&widget);
    window.Form_Load();
    widget.syncFromModel();
    widget.show();
    placeOnScreen(widget);
}

}  // namespace qt
