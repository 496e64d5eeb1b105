#include "gui/assistant/calibration_tools.h"

#include <QEvent>
#include <QMenu>
#include <cmath>

#include "gui/assistant/assistant_window.h"

namespace gui {

namespace {

constexpr int kLegendMargin = 8;  // design pixels from the window's edge

}  // namespace

CalibrationTools::CalibrationTools(FormWidget& form, frmMain& frm)
    : QObject(&form),
      form_(form),
      frm_(frm),
      clientArea_(form.clientArea()),
      traceByGear_(form.menu(Menu::View)->addAction(tr("&Colour the trace by gear"))),
      openAssistant_(form.menu(Menu::Tools)->addAction(tr("Calibration &assistant..."))),
      legend_(new GearLegend(clientArea_)),
      legendMode_(*legend_) {
    QWidget* plot = form.widgetFor(frm.Graph);
    placeLegend();
    legend_->setVisible(frm.traceByGear);
    clientArea_->installEventFilter(this);
    frm.attach(legendMode_);
    marks_ = new FlickerMarks(plot != nullptr ? plot : clientArea_);

    // Kept between runs by this name.
    traceByGear_->setObjectName(QStringLiteral("traceByGear"));
    traceByGear_->setCheckable(true);
    traceByGear_->setChecked(frm.traceByGear);
    connect(traceByGear_, &QAction::toggled, this, [this](bool on) { showTraceByGear(on); });
    form.addAdaptorAction(openAssistant_);
    connect(openAssistant_, &QAction::triggered, this, [this] { openAssistant(); });
}

// The window object outlives its widget and the tools on it.
CalibrationTools::~CalibrationTools() {
    frm_.detach(legendMode_);
}

// The legend sits in the margin left of the plot, level with its top and clear of the
// window's edge.
void CalibrationTools::placeLegend() {
    const QWidget* plot = form_.widgetFor(frm_.Graph);
    legend_->setScale(form_.scale());
    const int margin = static_cast<int>(std::lround(kLegendMargin * form_.scale()));
    legend_->move(margin, plot != nullptr ? plot->y() : margin);
}

// Compares with the pointer kept at construction: while the form is being destroyed its
// children still send events here, and the form can no longer be asked for anything.
bool CalibrationTools::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clientArea_ && event->type() == QEvent::Resize) {
        placeLegend();
    }
    return QObject::eventFilter(watched, event);
}

void CalibrationTools::showTraceByGear(bool on) {
    form_.deliverWork([on](frmMain& window) { window.ShowTraceByGear(on); });
    legend_->setVisible(on);
}

void CalibrationTools::openAssistant() {
    if (assistant_ == nullptr) {
        assistant_ = new AssistantWindow(form_, frm_, *marks_);
        form_.setSidePanel(assistant_);
    }
    assistant_->startWatching();
    assistant_->show();
    assistant_->stepTable().setFocus();
}

}  // namespace gui
