#pragma once

#include "gui/form/form_widget.h"
#include "storage/window_state.h"

// The window's size, position and View choices, kept between runs. The caller chooses
// the file, so that a test or a one-off run can keep the user's own alone.
namespace gui {

class WindowMemory {
  public:
    explicit WindowMemory(storage::WindowStateFile& file) : file_(file) {}

    // Gives the window the View choices and geometry kept last time, its size fitted
    // into the screen's free area; false when no geometry was kept or it could not be
    // used.
    bool restore(FormWidget& window);
    // False when nothing could be written (the reason is not worth a dialog at the close).
    bool save(const FormWidget& window);

  private:
    storage::WindowStateFile& file_;
};

}  // namespace gui
