#include "app/screenshot.h"

#include <QBuffer>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include "storage/atomic_file.h"
#include "translation/translate.h"

namespace app {

void screenshotThenClose(QWidget& window, const QString& path, std::chrono::milliseconds delay,
                         std::function<void(const QString& error)> done) {
    QPointer<QWidget> target(&window);
    QTimer::singleShot(delay, &window, [target, path, done = std::move(done)] {
        if (!target) {
            return;
        }
        QByteArray png;
        QBuffer buffer(&png);
        QString error = translation::translate("CommandLine", "the picture could not be made");
        if (buffer.open(QIODevice::WriteOnly) && target->grab().save(&buffer, "PNG") &&
            storage::writeFileAtomically(path, png, error)) {
            error.clear();
        }
        if (done) {
            done(error);
        }
        target->close();
    });
}

}  // namespace app
