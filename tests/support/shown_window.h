#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTest>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "gui/assistant/assistant_window.h"
#include "gui/assistant/calibration_tools.h"
#include "gui/calibration/calibration_menus.h"
#include "gui/form/form_widget.h"
#include "gui/form/load_window.h"
#include "gui/form/qt_toolkit.h"
#include "history/window_recorder.h"
#include "protocol/adaptor_protocol.h"
#include "sim/simulated_bus.h"
#include "storage/history_recorder.h"
#include "support/fault_injecting_layer.h"
#include "window/frm_main.h"

// What a suite varies about the window beyond the adaptors on the bus.
struct WindowSetup {
    // Told what happens to the thresholds, and the History dialog's store, as the
    // program's data folder is; null keeps no history, as a simulated adaptor has.
    storage::HistoryRecorder* history = nullptr;
    // The full access diagnosis behind the refusal's details link; unset, no link.
    std::function<QString()> accessDetails;
    // What to do about a refusal, as the program asks the diagnosis; unset, none.
    std::function<std::string()> accessAdvice;
};

// The window on a simulated bus, assembled as the program assembles it: the window
// object, its widget, the calibration tools and menus attached to the widget, then
// loaded and shown. The window sees the bus through the fault-injecting layer, so a
// suite can read its calls or fail one.
class ShownWindowTest : public ::testing::Test {
  protected:
    using Settings = std::array<std::uint8_t, protocol::kSettingCount>;

    void TearDown() override { closeWindow(); }

    // Plugs in an adaptor of `product` holding `settings`, the factory ones unless given;
    // `adaptor` is the newest one plugged in.
    sim::DeviceId plugIn(const sim::AdaptorIdentity& product = sim::kelvoIdentity(),
                         std::optional<Settings> settings = {}) {
        adaptor = bus.addAdaptor(product);
        if (settings) {
            bus.adaptor(adaptor).settings = *settings;
        }
        return adaptor;
    }

    // A new window on the bus as it is now, in place of any window shown before.
    void showWindow(const WindowSetup& setup = {}) {
        closeWindow();
        WindowOptions options;
        options.adaptorIsSimulated = true;
        options.supportAddress = "support@example.invalid";
        options.accessAdvice = setup.accessAdvice;
        frm = std::make_unique<frmMain>(hid, services, options);
        frm->attach(connection.emplace(setup.history));
        form = std::make_unique<gui::FormWidget>(*frm);
        tools = new gui::CalibrationTools(*form, *frm);
        menus = new gui::CalibrationMenus(*form, *frm, *connection,
                                          setup.history ? &setup.history->store() : nullptr,
                                          kHidapiVersion);
        if (setup.accessDetails) {
            form->setAccessDetails(setup.accessDetails);
        }
        gui::loadAndShow(*frm, *form, services);
    }

    // Closes the window as the user does, unless it unloaded already, and lets it go.
    void closeWindow() {
        if (form && frm && !frm->isUnloaded()) {
            form->close();
        }
        tools = nullptr;
        menus = nullptr;
        form.reset();
        frm.reset();
        connection.reset();
    }

    template <typename Widget>
    Widget* child(const char* name) const {
        return form->findChild<Widget*>(QString::fromLatin1(name));
    }

    // Waits until `done` holds for the models and the frame that shows it was painted:
    // the ticks' changes reach the widgets once a frame.
    bool waitUntilShown(const std::function<bool()>& done, int timeoutMs = 10000) const {
        return QTest::qWaitFor([&] { return done() && !form->framePending(); }, timeoutMs);
    }

    // The WriteSetting reports the adaptor accepted since the log was cleared.
    std::vector<std::vector<std::uint8_t>> settingWrites() const {
        std::vector<std::vector<std::uint8_t>> writes;
        for (std::vector<std::uint8_t>& report : hid.featureReportsSent()) {
            if (report.size() > 3 && report[1] == protocol::kWriteSetting) {
                writes.push_back(std::move(report));
            }
        }
        return writes;
    }

    // What the About box names as the HID library; the simulated bus has none.
    inline static const QString kHidapiVersion = QStringLiteral("0.13.1");

    sim::SimulatedBus bus;
    support::FaultInjectingLayer hid{bus};
    gui::QtToolkitServices services;
    sim::DeviceId adaptor = 0;
    // Watches the window for its history, as in the program.
    std::optional<history::WindowRecorder> connection;
    std::unique_ptr<frmMain> frm;
    std::unique_ptr<gui::FormWidget> form;
    // Owned by the widget, as in the program.
    gui::CalibrationTools* tools = nullptr;
    gui::CalibrationMenus* menus = nullptr;
};
