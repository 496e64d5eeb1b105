#include "gui/form/window_memory.h"

#include <QAction>
#include <QMenu>

namespace gui {

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");

// View choices are the View menu's checkable actions, kept by their object names.
template <typename Each>
void forEachViewChoice(const FormWidget& window, Each each) {
    for (QAction* action : window.menu(Menu::View)->actions()) {
        if (action->isCheckable() && !action->objectName().isEmpty()) {
            each(*action, QStringLiteral("view/") + action->objectName());
        }
    }
}

}  // namespace

bool WindowMemory::restore(FormWidget& window) const {
    forEachViewChoice(window, [this](QAction& action, const QString& key) {
        if (const QVariant kept = settings_.value(key); kept.isValid()) {
            action.setChecked(kept.toBool());
        }
    });
    const QByteArray geometry = settings_.value(kGeometryKey).toByteArray();
    return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

void WindowMemory::save(const FormWidget& window) {
    settings_.setValue(kGeometryKey, window.saveGeometry());
    forEachViewChoice(window, [this](const QAction& action, const QString& key) {
        settings_.setValue(key, action.isChecked());
    });
    settings_.sync();
}

}  // namespace gui
