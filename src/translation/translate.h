#pragma once

#include <QString>

#include "i18n/translate.h"

namespace translation {

// i18n::translate for the Qt side: `text` of `context` in the user's language. The
// translation tools find it by its name, as they find i18n::translate.
inline QString translate(const char* context, const char* text, int count = -1) {
    return QString::fromStdString(i18n::translate(context, text, nullptr, count));
}

}  // namespace translation
