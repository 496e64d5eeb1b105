#include "gui/assistant/calibration_tools.h"

#include <QMenu>

namespace gui {

namespace {

constexpr int kLegendMargin = 4;
constexpr int kAssistantGap = 8;  // pixels between the main window and the assistant

}  // namespace

CalibrationTools::CalibrationTools(FormWidget& form, frmMain& frm)
    : QObject(&form),
      form_(form),
      frm_(frm),
      traceByGear_(form.menu(Menu::View)->addAction(tr("&Colour the trace by gear"))),
      openAssistant_(form.menu(Menu::Tools)->addAction(tr("Calibration &assistant..."))),
      legend_(new GearLegend(form.clientArea())) {
    QWidget* plot = form.widgetFor(frm.Graph);
    // The legend sits in the margin left of the plot, level with its top.
    const QPoint plotTopLeft = plot != nullptr ? plot->pos() : QPoint();
    legend_->setGeometry(QRect(QPoint(kLegendMargin, plotTopLeft.y()), legend_->sizeHint()));
    legend_->setVisible(frm.traceByGear);
    marks_ = new FlickerMarks(plot != nullptr ? plot : form.clientArea(), frm.Graph.BorderPixels);
    marks_->show();

    traceByGear_->setCheckable(true);
    traceByGear_->setChecked(frm.traceByGear);
    connect(traceByGear_, &QAction::toggled, this, [this](bool on) { showTraceByGear(on); });
    form.addAdaptorAction(openAssistant_);
    connect(openAssistant_, &QAction::triggered, this, [this] { openAssistant(); });
}

void CalibrationTools::showTraceByGear(bool on) {
    form_.deliverWork([on](frmMain& window) { window.ShowTraceByGear(on); });
    legend_->setVisible(on);
}

void CalibrationTools::openAssistant() {
    if (assistant_ == nullptr) {
        assistant_ = new AssistantWindow(form_, frm_, *marks_);
        const QRect main = form_.frameGeometry();
        assistant_->move(main.right() + kAssistantGap, main.top());
    }
    assistant_->startWatching();
    assistant_->show();
    assistant_->raise();
    assistant_->activateWindow();
}

}  // namespace gui
