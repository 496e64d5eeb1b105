#include "qt/app_icon.h"

// The resources live in a static library: register them before first use.
static void registerIconResources() {
    Q_INIT_RESOURCE(shifter_calibration);
}

namespace qtui {

QIcon applicationIcon() {
    static const bool registered = (registerIconResources(), true);
    (void)registered;
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/shifter-calibration-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/shifter-calibration-32.png"), QSize(32, 32));
    return icon;
}

}  // namespace qtui
