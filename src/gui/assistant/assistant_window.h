#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "assistant/assistant.h"
#include "assistant/steps.h"
#include "gui/assistant/flicker_marks.h"
#include "gui/form/form_widget.h"

// The calibration assistant, a panel beside the designed controls so that the plot
// stays in view: the steps of the adaptor's mode with their counts, the proposals with
// their margins or warnings, the flicker count, and "Use these values". It reads the
// window object a few times a second while the poll cycle runs, and changes it only
// through the form. Its close button and Escape close it.
namespace gui {

class AssistantWindow : public QWidget {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::AssistantWindow)

  public:
    AssistantWindow(FormWidget& form, frmMain& frm, FlickerMarks& marks);

    // Brings every part up to date with the window object.
    void refresh();
    // Starts the assistant watching the window's reports; it stops when this closes.
    void startWatching();
    // What the assistant learnt while watching; null while it does not watch.
    const assistant::Assistant* model() const { return model_ ? &*model_ : nullptr; }

    QTableWidget& stepTable() const { return *steps_; }
    QPushButton& recordButton() const { return *record_; }
    QPushButton& stopButton() const { return *stop_; }
    QPushButton& useButton() const { return *use_; }
    const QLabel& proposalText() const { return *proposals_; }
    const QLabel& flickerText() const { return *flickers_; }

    // Wide enough for the longest step and its count on one line.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    // Closing ends the assistant: its records, flicker count and chosen step are gone.
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* createHeading();
    QWidget* createResults();
    void showSteps(std::optional<assistant::Mode> mode);
    void showCounts(const assistant::Recording& recording);
    void showProposals(assistant::Mode mode, const assistant::Recording& recording);
    void showFlickers();
    std::optional<assistant::Mode> shownMode() const;
    void useProposals();
    std::optional<assistant::Step> selectedStep() const;
    void recordSelected();
    void stopRecording();
    void addKeys();
    // Selects the step `by` rows from the selected one, or the first.
    void selectStep(int by);

    FormWidget& form_;
    frmMain& frm_;
    FlickerMarks& marks_;
    std::optional<assistant::Mode> mode_;
    std::optional<assistant::Assistant> model_;
    QLabel* modeText_;
    QTableWidget* steps_;
    QPushButton* record_;
    QPushButton* stop_;
    QLabel* proposals_;
    QLabel* flickers_;
    QPushButton* use_;
    QTimer timer_;
};

}  // namespace gui
