#include "qt/screenshot.h"

#include <QPixmap>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

namespace qt {

void screenshotThenClose(QWidget& window, const QString& path, std::chrono::milliseconds delay,
                         std::function<void(bool saved)> done) {
    QPointer<QWidget> target(&window);
    QTimer::singleShot(delay, &window, [target, path, done = std::move(done)] {
        if (!target) {
            return;
        }
        // Written whole or not at all: an older picture at `path` survives a failure.
        QSaveFile file(path);
        const bool saved =
            file.open(QIODevice::WriteOnly) && target->grab().save(&file, "PNG") && file.commit();
        if (done) {
            done(saved);
        }
        target->close();
    });
}

}  // namespace qt
