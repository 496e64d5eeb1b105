#pragma once

#include <string>

#include "window/toolkit/controls.h"

// What a widget last showed of its control, so that a frame in which the control did not
// change costs a few comparisons and no call into Qt.
namespace gui {

class ShownLook {
  public:
    // True when `control` still looks as recorded; otherwise records it and gives false.
    bool unchanged(const toolkit::Control& control);

  private:
    bool recorded_ = false;
    std::string text_;  // caption or text
    std::string accessibleName_;
    std::string accessibleDescription_;
    std::string toolTip_;
    bool refused_ = false;
    bool differs_ = false;
    bool enabled_ = false;
    bool visible_ = false;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
};

}  // namespace gui
