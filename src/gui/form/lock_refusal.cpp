#include "gui/form/lock_refusal.h"

#include "storage/translate.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace gui {

void reportNotAcquired(const storage::SingleInstance& instance) {
    const QString text = instance.problem();
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox::warning(nullptr, storage::translate("Storage", "Shifter calibration"), text);
    }
}

}  // namespace gui
