#pragma once

#include <QTimer>
#include <QWidget>
#include <utility>
#include <vector>

#include "window/frm_main.h"

// The window on screen. It renders the window object's controls and forwards clicks,
// typing, the close and timer ticks to it; after every event it brings the widgets up
// to date with the models. It holds no program state of its own.
namespace qtui {

class FormWidget : public QWidget {
  public:
    explicit FormWidget(frmMain& window, QWidget* parent = nullptr);

    // Title, every control's widget and the poll timer, from the models.
    void syncFromModel();

    // The widget that renders `control`; null for line shapes and the timer.
    QWidget* widgetFor(const toolkit::Control& control) const;
    const QTimer& pollTimer() const { return timer_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* ensureWidget(toolkit::Control& control);
    void connectEvents();
    void orderTabs();
    // Runs an event handler of the window object, then shows what it changed.
    void deliver(void (frmMain::*handler)());
    void programTimer();

    frmMain& frm_;
    std::vector<std::pair<toolkit::Control*, QWidget*>> widgets_;
    QTimer timer_;
};

}  // namespace qtui
