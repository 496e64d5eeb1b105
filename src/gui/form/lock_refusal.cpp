#include "gui/form/lock_refusal.h"

#include "translation/translate.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace gui {

void reportNotAcquired(const lock::SingleInstance& instance) {
    const QString text = instance.problem();
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox::warning(nullptr, translation::translate("Storage", "Shifter calibration"),
                             text);
    }
}

}  // namespace gui
