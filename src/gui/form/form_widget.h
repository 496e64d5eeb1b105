#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "gui/form/kept_layout_label.h"
#include "gui/form/shown_look.h"
#include "window/frm_main.h"

// The window on screen. It renders the window object's controls and forwards clicks,
// typing, the close and timer ticks to it. After a click, typing or the close it brings
// the widgets up to date with the models at once; the poll ticks come faster than a
// screen shows, so what they change is shown at most once a frame.
namespace gui {

// The menus of the menu bar above the designed controls, in their order.
enum class Menu { File, Adaptor, View, Tools, Help };

class FormWidget : public QWidget {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::FormWidget)

  public:
    explicit FormWidget(frmMain& window, QWidget* parent = nullptr);

    // Title, every control's widget and the poll timer, from the models.
    void syncFromModel();
    // A tick ran whose changes a later frame will show.
    bool framePending() const { return framePending_; }
    // The shortest time between frames that show what the ticks changed: about 60
    // frames a second at most, 50 with the 10 ms poll.
    static constexpr int kFrameMilliseconds = 16;

    // The widget that renders `control`; null for line shapes and the timer.
    QWidget* widgetFor(const toolkit::Control& control) const;
    const QTimer& pollTimer() const { return timer_; }

    // The menu bar sits above the client area, which holds the designed controls at
    // their places, at the largest scale the window's size allows, centred.
    QMenu* menu(Menu which) const;
    double scale() const { return scale_; }
    // The window's size for the design at `scale`, menu bar included.
    QSize sizeAtScale(double scale);
    // The menu bar's height as it is now, and at `scale`: below the design's size its
    // font shrinks with the design, so the bar never outsizes what it sits above.
    int menuHeight();
    int menuHeightAt(double scale);
    // The width the menu bar needs to show every menu without its overflow button.
    int menuWidth() const;
    // The largest scale at which `design` fits into `area`, within the window's scale
    // limits (storage/window_state.h).
    static double scaleToFit(const QSize& area, const QSize& design);
    QWidget* clientArea() const { return client_; }
    // A panel right of the designed controls, below the menu bar, shown and hidden by
    // its owner. While it shows, the window is wider by the panel's width as far as the
    // screen's free area allows, so that the designed controls keep their place; where
    // it does not, the design scales down to the width left.
    void setSidePanel(QWidget* panel);
    // An action that is only offered while an adaptor with a lever is connected.
    void addAdaptorAction(QAction* action);
    // Shows a "Details" link at the end of the status line while it says that the
    // system refuses the adaptor; a click shows what `details` gives in a dialog.
    void setAccessDetails(std::function<QString()> details);
    // Shows a "Try the simulated adaptor" link at the end of the status line while it
    // says that no adaptor is found; a click runs `start`.
    void offerSimulation(std::function<void()> start);
    // Asked before the window closes; false keeps it open (the user chose to keep what
    // closing would lose).
    void addCloseCheck(std::function<bool()> mayClose);

    // Runs `work` on the window object, then shows what it changed.
    template <typename Work>
    void deliverWork(Work&& work) {
        if (!frm_.isUnloaded()) {
            work(frm_);
            syncFromModel();
        }
    }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A new font or style may change the menu bar's height and the window's font.
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Enter and keypad Enter press a focused button, as Space does. The window grows and
    // shrinks as the side panel shows and hides, however it was closed.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* ensureWidget(toolkit::Control& control);
    // The name of the threshold `line` shows; empty for another line.
    QString thresholdNameOf(const toolkit::LineShape& line);
    void createMenus();
    void connectEvents();
    void orderTabs();
    // Runs an event handler of the window object, then shows what it changed.
    void deliver(void (frmMain::*handler)());
    // Runs the poll tick; shows its changes when a frame is due, else a later tick will.
    void tick();
    void programTimer();
    // A link at the end of the status line while it shows `condition`.
    void addStatusLink(window::Condition condition, const QString& text, const QString& name,
                       std::function<void()> activated);
    void placeStatusLinks();
    // The client area's size for the design at `scale`.
    QSize designSize(double scale) const;
    void layoutDesign();
    // The window's smallest size: the design's at its smallest scale, and the side
    // panel beside it while it shows.
    QSize minimumWindowSize();
    void sidePanelShown();
    void sidePanelHidden();

    // The scale at which the design and the menu bar fill `size` as far as the design's
    // proportions allow.
    double scaleFor(const QSize& size);
    void applyScale(double scale);
    void showLivePosition();
    // "X" and "Y" before the readouts' digits, which move with the lever.
    void placeReadoutCaptions();

    struct Rendered {
        toolkit::Control* control;
        QWidget* widget;
        ShownLook look;
    };

    frmMain& frm_;
    QMenuBar* menuBar_;
    std::array<QMenu*, 5> menus_{};
    QWidget* client_;
    std::vector<QAction*> adaptorActions_;
    std::vector<Rendered> widgets_;
    QTimer timer_;
    std::function<QString()> accessDetails_;
    std::vector<std::function<bool()>> closeChecks_;
    QWidget* sidePanel_ = nullptr;
    int sidePanelWidth_ = 0;  // while it shows
    QSize sidePanelGrowth_;   // how much larger the window became for it
    struct StatusLink {
        window::Condition condition;
        QLabel* link;
    };
    std::vector<StatusLink> statusLinks_;
    std::array<std::pair<const toolkit::Label*, KeptLayoutLabel*>, 2> readoutCaptions_{};
    QElapsedTimer sinceFrame_;
    bool framePending_ = false;
    std::uint64_t shownStatusRevision_ = 0;
    std::string shownCaption_;
    int menuHeight_ = -1;                // asked of the menu bar once, not every frame
    std::map<double, int> menuHeights_;  // the bar's height by its font's point size
    double scale_ = 1;
    float shownClientHeight_ = 0;
};

}  // namespace gui
