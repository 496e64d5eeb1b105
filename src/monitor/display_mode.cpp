// The lines and text boxes of the adaptor's current mode, and thresholds typed in.
#include <string>

#include "monitor/plot_mapping.h"
#include "monitor/threshold_text.h"
#include "monitor/typing_run.h"
#include "window/frm_main.h"
#include "window/threshold_boxes.h"

namespace {

bool isSequential(std::uint8_t mode) {
    return mode == protocol::kSequentialMode;
}

// Where a line showing `value` lies: X of a vertical line, Y of a horizontal one.
float lineOf(bool vertical, const toolkit::PictureBox& graph, int value) {
    return static_cast<float>(vertical ? monitor::plotX(value, graph.ScaleWidth())
                                       : monitor::plotY(value, graph.ScaleHeight()));
}

// Puts a line at `at`: X of a vertical line, Y of a horizontal one.
void placeLine(toolkit::LineShape& line, bool vertical, float at) {
    if (vertical) {
        line.X1 = at;
        line.X2 = at;
    } else {
        line.Y1 = at;
        line.Y2 = at;
    }
}

}  // namespace

void frmMain::CheckMode(std::uint8_t mode) {
    if (mode == shownMode) {
        return;
    }
    Graph.Cls();
    shownMode = mode;
    ShowLinesOf(mode);
    const bool sequential = isSequential(mode);
    Text7.Visible = true;
    Text8.Visible = true;
    Text9.Visible = !sequential;
    Text10.Visible = !sequential;
    // The upper two boxes change hands between H1, H2 and the sequential pair.
    for (const protocol::Threshold threshold : protocol::thresholdsOfMode(sequential).first(2)) {
        toolkit::TextBox& box = boxOf(threshold);
        box.Text = std::to_string(thresholdOf(threshold));
        window::describeThresholdBox(box, threshold);
        typingRunOf(box).settle();
    }
}

void frmMain::ShowLinesOf(std::uint8_t mode) {
    const bool sequential = isSequential(mode);
    lineH1.Visible = !sequential;
    LineH2.Visible = !sequential;
    lineV1.Visible = !sequential;
    lineV2.Visible = !sequential;
    SeqH1.Visible = sequential;
    SeqH2.Visible = sequential;
}

void frmMain::TakeThresholdEdits(std::uint8_t mode) {
    struct Row {
        toolkit::TextBox& box;
        protocol::Threshold name;
        std::int16_t& threshold;
        toolkit::LineShape& line;
        bool vertical;

        float lineAt() const { return vertical ? line.X1 : line.Y1; }
        void show(monitor::TypingRun::Shown shown) const {
            threshold = shown.threshold;
            placeLine(line, vertical, shown.line);
        }
    };
    const auto take = [this](const Row& row) {
        monitor::TypingRun& run = typingRunOf(row.box);
        // Nothing typed since the text was taken, as on most reports: nothing to do.
        if (!row.box.refused && run.shows(row.box.Text, {row.threshold, row.lineAt()})) {
            return;
        }
        if (!run.started()) {
            // The settled value's line lies at it, or stays put if no line can show it.
            const bool plotted = protocol::isThreshold(row.threshold);
            run.start({row.threshold,
                       plotted ? lineOf(row.vertical, Graph, row.threshold) : row.lineAt()});
        }
        const std::optional<int> value = monitor::parseThresholdText(row.box.Text);
        // A refused text stays in the box as typed, marked, and the line stays put; but
        // values accepted only on the way to it (3 and 30 typing 300) are taken back.
        window::markThresholdBox(row.box, row.name, !value);
        if (value) {
            const monitor::TypingRun::Shown shown{static_cast<std::int16_t>(*value),
                                                  lineOf(row.vertical, Graph, *value)};
            row.show(shown);
            run.accept(row.box.Text, shown);
        } else if (const auto before = run.refuse(row.box.Text)) {
            row.show(*before);
        }
    };
    for (const protocol::Threshold threshold : protocol::thresholdsOfMode(isSequential(mode))) {
        take({boxOf(threshold), threshold, thresholdOf(threshold), thresholdLine(threshold),
              protocol::factsOf(threshold).axis == protocol::Axis::X});
    }
}

void frmMain::TakeShownThresholdEdits() {
    if (shownMode != kNoModeShown) {
        TakeThresholdEdits(shownMode);
    }
}

monitor::TypingRun& frmMain::typingRunOf(const toolkit::TextBox& box) {
    if (&box == &Text7) {
        return typingRuns_[0];
    }
    if (&box == &Text8) {
        return typingRuns_[1];
    }
    return &box == &Text9 ? typingRuns_[2] : typingRuns_[3];
}
