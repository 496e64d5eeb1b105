#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <memory>

#include "qt/form_widget.h"
#include "qt/qt_toolkit.h"
#include "window/frm_main.h"

// Loads a window on `hid` and shows it on screen, as the program does.
// `history`, when given, is told what happens to the thresholds.
inline void showWindow(hid::HidLayer& hid, qt::QtToolkitServices& services,
                       std::unique_ptr<frmMain>& frm, std::unique_ptr<qt::FormWidget>& form,
                       history::Recorder* history = nullptr) {
    WindowOptions options;
    options.adaptorIsSimulated = true;
    options.history = history;
    options.supportAddress = "support@example.invalid";
    frm = std::make_unique<frmMain>(hid, services, options);
    form = std::make_unique<qt::FormWidget>(*frm);
    services.setMainWidget(form.get());
    frm->Form_Load();
    form->syncFromModel();
    form->show();
}

// Lets the event loop run until `done` holds or the time is up.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(2);
    }
    return true;
}

// Waits until `done` holds for the models and the frame that shows it was painted: the
// ticks' changes reach the widgets once a frame.
inline bool waitUntilShown(const qt::FormWidget& form, const std::function<bool()>& done,
                           int timeoutMs = 3000) {
    return waitUntil([&] { return done() && !form.framePending(); }, timeoutMs);
}
