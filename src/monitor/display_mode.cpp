// The lines and text boxes of the adaptor's current mode, and thresholds typed in.
#include <string>

#include "monitor/plot_mapping.h"
#include "monitor/threshold_text.h"
#include "window/frm_main.h"
#include "window/threshold_boxes.h"

namespace {

bool isSequential(std::uint8_t mode) {
    return mode == protocol::kSequentialMode;
}

void placeHorizontal(toolkit::LineShape& line, const toolkit::PictureBox& graph, int value) {
    line.Y1 = static_cast<float>(monitor::plotY(value, graph.ScaleHeight()));
    line.Y2 = line.Y1;
}

void placeVertical(toolkit::LineShape& line, const toolkit::PictureBox& graph, int value) {
    line.X1 = static_cast<float>(monitor::plotX(value, graph.ScaleWidth()));
    line.X2 = line.X1;
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
    Text7.Text = std::to_string(sequential ? thresholdSeqH1 : thresholdH1);
    Text8.Text = std::to_string(sequential ? thresholdSeqH2 : thresholdH2);
    window::describeThresholdBox(Text7, sequential ? window::kSeqH1 : window::kH1);
    window::describeThresholdBox(Text8, sequential ? window::kSeqH2 : window::kH2);
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
        const window::ThresholdName& name;
        std::int16_t& threshold;
        toolkit::LineShape& line;
        bool vertical;
    };
    const auto take = [this](const Row& row) {
        const std::optional<int> value = monitor::parseThresholdText(row.box.Text);
        // A refused text stays in the box as typed, marked, and the line stays put.
        window::markThresholdBox(row.box, row.name, !value);
        if (!value) {
            return;
        }
        row.threshold = static_cast<std::int16_t>(*value);
        if (row.vertical) {
            placeVertical(row.line, Graph, *value);
        } else {
            placeHorizontal(row.line, Graph, *value);
        }
    };
    if (isSequential(mode)) {
        take({Text7, window::kSeqH1, thresholdSeqH1, SeqH1, false});
        take({Text8, window::kSeqH2, thresholdSeqH2, SeqH2, false});
    } else {
        take({Text7, window::kH1, thresholdH1, lineH1, false});
        take({Text8, window::kH2, thresholdH2, LineH2, false});
        take({Text9, window::kV1, thresholdV1, lineV1, true});
        take({Text10, window::kV2, thresholdV2, lineV2, true});
    }
}
