#pragma once

#include <QSettings>

#include "gui/form/form_widget.h"

// The window's size, position and View choices, kept between runs. The caller chooses
// the settings' store, so that a test or a one-off run can keep the user's own alone.
namespace gui {

class WindowMemory {
  public:
    explicit WindowMemory(QSettings& settings) : settings_(settings) {}

    // Gives the window the View choices and geometry kept last time; false when no
    // geometry was kept or it could not be used.
    bool restore(FormWidget& window) const;
    void save(const FormWidget& window);

  private:
    QSettings& settings_;
};

}  // namespace gui
