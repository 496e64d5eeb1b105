#include "gui/form/load_window.h"

#include <QScreen>
#include <algorithm>

#include "gui/form/window_placement.h"

namespace gui {

void fitInto(FormWidget& widget, const QRect& available) {
    const QSize menu(0, widget.menuHeight());
    const QSize room = available.size() - frameAllowance(widget) - menu;
    const double scale = std::min(1.0, FormWidget::scaleToFit(room, widget.sizeAtScale(1) - menu));
    QSize size = widget.sizeAtScale(scale);
    // Where the design is shrunk, a window as narrow as it would hide the last menus
    // behind the menu bar's overflow button; the design is centred in the wider window.
    size.setWidth(std::max(size.width(), std::min(widget.menuWidth(), room.width())));
    widget.resize(size);
}

void loadAndShow(frmMain& window, FormWidget& widget, QtToolkitServices& toolkit,
                 const Opening& opening) {
    toolkit.setMainWidget(&widget);
    window.Form_Load();
    widget.syncFromModel();
    if (opening.scale) {
        widget.resize(widget.sizeAtScale(*opening.scale));
    } else if (opening.memory != nullptr && opening.memory->restore(widget)) {
        widget.show();
        keepOnScreen(widget);
        return;
    } else if (const QScreen* screen = widget.screen()) {
        fitInto(widget, screen->availableGeometry());
    }
    widget.show();
    placeOnScreen(widget);
}

}  // namespace gui
