#include "gui/form/key_hint.h"

namespace gui {

QString withKey(const QString& hint, const QKeySequence& key) {
    const QString keyText = key.toString(QKeySequence::NativeText);
    return hint.isEmpty() ? keyText : QStringLiteral("%1 (%2)").arg(hint, keyText);
}

}  // namespace gui
