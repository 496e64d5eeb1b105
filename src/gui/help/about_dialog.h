#pragma once

#include <QString>
#include <QWidget>

namespace gui {

// What Help > About says: the program's version, the versions of Qt and hidapi it runs
// with, and its licence.
QString aboutText(const QString& hidapiVersion);
void showAbout(QWidget* parent, const QString& hidapiVersion);

}  // namespace gui
