#pragma once

#include <QString>
#include <QWidget>
#include <chrono>
#include <functional>

// A picture of the window for documentation and checks: taken once the window has run
// for a while, after which the window is closed the ordinary way.
namespace qt {

// `done` learns whether the PNG was written; it runs before the close.
void screenshotThenClose(QWidget& window, const QString& path, std::chrono::milliseconds delay,
                         std::function<void(bool saved)> done);

}  // namespace qt
