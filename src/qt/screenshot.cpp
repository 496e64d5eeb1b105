#include "qt/screenshot.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>

namespace qtui {

void screenshotThenClose(QWidget& window, const QString& path, std::chrono::milliseconds delay,
                         std::function<void(bool saved)> done) {
    QPointer<QWidget> target(&window);
    QTimer::singleShot(delay, &window, [target, path, done = std::move(done)] {
        if (!target) {
            return;
        }
        const bool saved = target->grab().save(path, "PNG");
        if (done) {
            done(saved);
        }
        target->close();
    });
}

}  // namespace qtui
