#include "gui/form/shown_look.h"

namespace gui {
namespace {

const std::string& shownText(const toolkit::Control& control) {
    static const std::string kNone;
    switch (control.kind()) {
        case toolkit::ControlKind::CommandButton:
            return static_cast<const toolkit::CommandButton&>(control).Caption;
        case toolkit::ControlKind::TextBox:
            return static_cast<const toolkit::TextBox&>(control).Text;
        case toolkit::ControlKind::Label:
            return static_cast<const toolkit::Label&>(control).Caption;
        case toolkit::ControlKind::Frame:
            return static_cast<const toolkit::Frame&>(control).Caption;
        case toolkit::ControlKind::Timer:
        case toolkit::ControlKind::PictureBox:
        case toolkit::ControlKind::LineShape:
        case toolkit::ControlKind::RectangleShape:
            break;
    }
    return kNone;
}

const toolkit::TextBox* boxOf(const toolkit::Control& control) {
    return control.kind() == toolkit::ControlKind::TextBox
               ? &static_cast<const toolkit::TextBox&>(control)
               : nullptr;
}

}  // namespace

bool ShownLook::unchanged(const toolkit::Control& control) {
    const std::string& text = shownText(control);
    const toolkit::TextBox* box = boxOf(control);
    const bool refused = box != nullptr && box->refused;
    const bool differs = box != nullptr && box->adaptorValue.has_value();
    if (recorded_ && text == text_ && control.accessibleName == accessibleName_ &&
        control.accessibleDescription == accessibleDescription_ && control.toolTip == toolTip_ &&
        refused == refused_ && differs == differs_ && control.Enabled == enabled_ &&
        control.Visible == visible_ && control.Left == left_ && control.Top == top_ &&
        control.Width == width_ && control.Height == height_) {
        return true;
    }
    recorded_ = true;
    text_ = text;
    accessibleName_ = control.accessibleName;
    accessibleDescription_ = control.accessibleDescription;
    toolTip_ = control.toolTip;
    refused_ = refused;
    differs_ = differs;
    enabled_ = control.Enabled;
    visible_ = control.Visible;
    left_ = control.Left;
    top_ = control.Top;
    width_ = control.Width;
    height_ = control.Height;
    return false;
}

}  // namespace gui
