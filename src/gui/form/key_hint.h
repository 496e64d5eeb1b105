#pragma once

#include <QKeySequence>
#include <QString>

namespace gui {

// A control's hint with the key that works it, as the desktop writes keys:
// "Stores the thresholds (Ctrl+S)".
QString withKey(const QString& hint, const QKeySequence& key);

}  // namespace gui
