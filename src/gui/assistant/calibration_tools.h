#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QObject>

#include "gui/assistant/flicker_marks.h"
#include "gui/assistant/gear_legend.h"
#include "gui/form/form_widget.h"

// View > Colour the trace by gear, with its legend, and Tools > Calibration assistant.
namespace gui {

class AssistantWindow;

class CalibrationTools : public QObject {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::CalibrationTools)

  public:
    CalibrationTools(FormWidget& form, frmMain& frm);
    ~CalibrationTools() override;

    QAction& traceByGearAction() const { return *traceByGear_; }
    QAction& assistantAction() const { return *openAssistant_; }
    const GearLegend& legend() const { return *legend_; }
    const FlickerMarks& flickerMarks() const { return *marks_; }
    // The assistant's panel beside the designed controls; null until it was first opened.
    AssistantWindow* assistantWindow() const { return assistant_; }

  protected:
    // The legend follows the client area's scale.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Lists the gears of the mode of the reports shown.
    class LegendMode : public events::WindowObserver {
      public:
        explicit LegendMode(GearLegend& legend) : legend_(legend) {}
        void reportShown(const events::ShownReport& report) override {
            legend_.setSequential(report.sequential);
        }

      private:
        GearLegend& legend_;
    };

    void showTraceByGear(bool on);
    void openAssistant();
    void placeLegend();

    FormWidget& form_;
    frmMain& frm_;
    QWidget* clientArea_;
    QAction* traceByGear_;
    QAction* openAssistant_;
    GearLegend* legend_;
    FlickerMarks* marks_;
    AssistantWindow* assistant_ = nullptr;
    LegendMode legendMode_;
};

}  // namespace gui
