#include "gui/form/app_icon.h"

// The resources live in a static library: register them before first use.
static void registerIconResources() {
    Q_INIT_RESOURCE(shifter_calibration);
}

namespace gui {

QIcon applicationIcon() {
    static const bool registered = (registerIconResources(), true);
    (void)registered;
    // Every size that is built in, so docks and task switchers need not scale up.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/shifter-calibration-%1.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

}  // namespace gui
