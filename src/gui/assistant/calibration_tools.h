#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QObject>

#include "gui/assistant/assistant_window.h"
#include "gui/assistant/flicker_marks.h"
#include "gui/assistant/gear_legend.h"
#include "gui/form/form_widget.h"

// View > Colour the trace by gear, with its legend, and Tools > Calibration assistant.
namespace gui {

class CalibrationTools : public QObject {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::CalibrationTools)

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

}  // namespace gui
