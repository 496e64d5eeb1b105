#include "gui/form/window_memory.h"

#include <QAction>
#include <QMenu>
#include <QScreen>

#include "gui/form/window_placement.h"

namespace gui {

namespace {

// View choices are the View menu's checkable actions, kept by their object names.
template <typename Each>
void forEachViewChoice(const FormWidget& window, Each each) {
    for (QAction* action : window.menu(Menu::View)->actions()) {
        if (action->isCheckable() && !action->objectName().isEmpty()) {
            each(*action);
        }
    }
}

}  // namespace

bool WindowMemory::restore(FormWidget& window) {
    const std::optional<storage::WindowState> kept = file_.load();
    if (!kept) {
        return false;
    }
    forEachViewChoice(window, [&kept](QAction& action) {
        if (const auto choice = kept->viewChoices.find(action.objectName());
            choice != kept->viewChoices.end()) {
            action.setChecked(*choice);
        }
    });
    if (kept->geometry.isEmpty() || !window.restoreGeometry(kept->geometry)) {
        return false;
    }
    // Kept on a larger screen, or damaged: never larger than this screen's free area nor
    // than the design's largest scale, so the whole window shows.
    if (const QScreen* screen = window.screen()) {
        const QSize room = screen->availableGeometry().size() - frameAllowance(window);
        window.resize(window.size().boundedTo(room).boundedTo(
            window.sizeAtScale(storage::kMaximumWindowScale)));
    }
    return true;
}

bool WindowMemory::save(const FormWidget& window) {
    storage::WindowState state;
    state.geometry = window.saveGeometry();
    forEachViewChoice(window, [&state](const QAction& action) {
        state.viewChoices.insert(action.objectName(), action.isChecked());
    });
    QString error;
    return file_.save(state, error);
}

}  // namespace gui
