#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <functional>

#include "window/frm_main.h"

// What a window fuzzer does around the steps the input chooses.
struct WindowSteps {
    // The user typed a threshold the window may store at `address` on the connection
    // open now.
    std::function<void(std::uint8_t address, int value)> typed;
    // Clicks "Upgrade Firmware", which is shown and enabled.
    std::function<void()> upgrade;
};

// Form_Load, then up to 48 steps the input chooses (ticks, typing into the boxes, clicks
// on shown and enabled buttons), then the close.
void runWindowSteps(frmMain& window, FuzzedDataProvider& data, const WindowSteps& steps);
