#pragma once

#include <QString>
#include <QWidget>
#include <chrono>
#include <functional>

// A picture of the window for documentation and checks: taken once the window has run
// for a while, after which the window is closed the ordinary way.
namespace app {

// `done` learns why the PNG was not written (empty when it was); it runs before the close.
void screenshotThenClose(QWidget& window, const QString& path, std::chrono::milliseconds delay,
                         std::function<void(const QString& error)> done);

}  // namespace app
