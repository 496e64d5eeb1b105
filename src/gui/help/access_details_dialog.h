#pragma once

#include <QString>
#include <QWidget>

// The full access diagnosis in a dialog, as text to read and copy.
namespace gui {

void showAccessDetails(QWidget* parent, const QString& details);

}  // namespace gui
