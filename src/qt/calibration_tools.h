#pragma once

#include <QAction>
#include <QObject>

#include "qt/assistant_window.h"
#include "qt/flicker_marks.h"
#include "qt/form_widget.h"
#include "qt/gear_legend.h"

// View > Colour the trace by gear, with its legend, and Tools > Calibration assistant.
namespace qt {

class CalibrationTools : public QObject {
  public:
    CalibrationTools(FormWidget& form, frmMain& frm);

    QAction& traceByGearAction() const { return *traceByGear_; }
    QAction& assistantAction() const { return *openAssistant_; }
    const GearLegend& legend() const { return *legend_; }
    const FlickerMarks& flickerMarks() const { return *marks_; }
    // Null until the assistant was first opened.
    AssistantWindow* assistantWindow() const { return assistant_; }

  private:
    void showTraceByGear(bool on);
    void openAssistant();

    FormWidget& form_;
    frmMain& frm_;
    QAction* traceByGear_;
    QAction* openAssistant_;
    GearLegend* legend_;
    FlickerMarks* marks_;
    AssistantWindow* assistant_ = nullptr;
};

}  // namespace qt
