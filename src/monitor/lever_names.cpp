#include "monitor/lever_names.h"

#include "i18n/translate.h"

namespace monitor {

void LeverNames::name(toolkit::PictureBox& graph, toolkit::Label& x, toolkit::Label& y) {
    if (lookedAt_ != i18n::translatorChanges()) {
        position_ = i18n::translate("Window", "Lever position X %1, Y %2");
        x_ = i18n::translate("Window", "Lever X %1");
        y_ = i18n::translate("Window", "Lever Y %1");
        lookedAt_ = i18n::translatorChanges();
    }
    i18n::fill(graph.accessibleName, position_, {x.Caption, y.Caption});
    i18n::fill(x.accessibleName, x_, {x.Caption});
    i18n::fill(y.accessibleName, y_, {y.Caption});
}

}  // namespace monitor
