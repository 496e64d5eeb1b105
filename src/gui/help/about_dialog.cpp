#include "gui/help/about_dialog.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "resources/program_version.h"

namespace gui {

QString aboutText(const QString& hidapiVersion) {
    return QCoreApplication::translate(
               "gui::About",
               "<p><b>%1 %2</b></p>"
               "<p>Calibrates the lever thresholds of a USB shifter adaptor.</p>"
               "<p>Qt %3 (built with %4)<br>hidapi %5</p>"
               "<p>Free software under the MIT License: you may use, copy, change and pass it "
               "on; it comes without any warranty. The full text is in the LICENSE file.</p>")
        .arg(QLatin1String(resources::kProgramName), QLatin1String(resources::kDisplayVersion),
             QLatin1String(qVersion()), QLatin1String(QT_VERSION_STR), hidapiVersion);
}

void showAbout(QWidget* parent, const QString& hidapiVersion) {
    QMessageBox::about(parent,
                       QCoreApplication::translate("gui::About", "About %1")
                           .arg(QLatin1String(resources::kProgramName)),
                       aboutText(hidapiVersion));
}

}  // namespace gui
