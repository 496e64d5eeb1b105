#pragma once

#include <QTest>
#include <functional>
#include <memory>

#include "events/window_events.h"
#include "gui/form/form_widget.h"
#include "gui/form/load_window.h"
#include "gui/form/qt_toolkit.h"
#include "window/frm_main.h"

// Loads a window on `hid` and shows it on screen, as the program does.
// `watcher`, when given, watches the window from its first connection.
inline void showWindow(hid::HidLayer& hid, gui::QtToolkitServices& services,
                       std::unique_ptr<frmMain>& frm, std::unique_ptr<gui::FormWidget>& form,
                       events::WindowObserver* watcher = nullptr) {
    WindowOptions options;
    options.adaptorIsSimulated = true;
    options.supportAddress = "support@example.invalid";
    frm = std::make_unique<frmMain>(hid, services, options);
    if (watcher != nullptr) {
        frm->attach(*watcher);
    }
    form = std::make_unique<gui::FormWidget>(*frm);
    gui::loadAndShow(*frm, *form, services);
}

// Waits until `done` holds for the models and the frame that shows it was painted: the
// ticks' changes reach the widgets once a frame.
inline bool waitUntilShown(const gui::FormWidget& form, const std::function<bool()>& done,
                           int timeoutMs = 3000) {
    return QTest::qWaitFor([&] { return done() && !form.framePending(); }, timeoutMs);
}
