// The lever's position on the plot, its trace in each mode, the gear and the values.
#include <array>
#include <string>

#include "i18n/translate.h"
#include "monitor/gear_caption.h"
#include "monitor/plot_mapping.h"
#include "protocol/gear.h"
#include "window/frm_main.h"

namespace {

constexpr float kLabelYAboveTick = 90;
constexpr float kLabelXLeftOfTick = 496;

float plotX(const toolkit::PictureBox& graph, int x) {
    return static_cast<float>(monitor::plotX(x, graph.ScaleWidth()));
}

float plotY(const toolkit::PictureBox& graph, int y) {
    return static_cast<float>(monitor::plotY(y, graph.ScaleHeight()));
}

void drawPosition(toolkit::PictureBox& graph, int x, int y, std::uint8_t ink) {
    graph.PSet(plotX(graph, x), plotY(graph, y), ink);
}

}  // namespace

// Marks the report's position in the map of its own mode. Only the newest report of a
// tick is always drawn; an older one is drawn when its mode is the one on the plot,
// which keeps the other mode's points off it.
void frmMain::PlotReport(const protocol::ReportBuffer& report, std::int32_t bytesRead, bool draw) {
    if (bytesRead < static_cast<std::int32_t>(protocol::kShifterStateLength)) {
        return;
    }
    const std::uint8_t x = report[1];
    const std::uint8_t y = report[2];
    const std::uint8_t mode = protocol::modeOf(report[5]);
    const bool sequential = mode == protocol::kSequentialMode;
    monitor::TraceMap& trace = sequential ? traceSequential : traceHPattern;
    trace.visit(x, y, protocol::gearOf(report[3], report[4]));
    if (draw || mode == shownMode) {
        drawPosition(Graph, x, y, traceByGear ? trace.inkAt(x, y) : protocol::kTraceInk);
    }
}

// The names a screen reader says follow the captions; they are looked up in the
// translations only when a caption changes.
void frmMain::ShowGear(const protocol::ReportBuffer& report) {
    const auto caption = monitor::gearCaption(report[3], report[4]);
    if (caption && *caption != Gear.Caption) {
        Gear.Caption = *caption;
        Gear.accessibleName = i18n::arg(i18n::translate("Window", "Gear %1"), {*caption});
    }
}

void frmMain::ShowValuesAndTicks(const protocol::ReportBuffer& report) {
    const std::uint8_t x = report[1];
    const std::uint8_t y = report[2];
    std::string captionX = std::to_string(x);
    std::string captionY = std::to_string(y);
    if (captionX != lblX.Caption || captionY != lblY.Caption) {
        lblX.Caption = std::move(captionX);
        lblY.Caption = std::move(captionY);
        leverNames_.name(Graph, lblX, lblY);
    }

    TickV1.Top = Graph.Top + static_cast<float>(255 - y) * Graph.Height / 255.0F;
    TickV2.Top = TickV1.Top;
    lblY.Top = TickV1.Top - kLabelYAboveTick;
    TickH1.Left = Graph.Left + static_cast<float>(x) * Graph.Width / 255.0F;
    TickH2.Left = TickH1.Left;
    lblX.Left = TickH1.Left - kLabelXLeftOfTick;
}

// Makes sure every visited point of `mode` is on the plot. Points are drawn as they
// arrive, so the whole map is drawn only once after each erase.
void frmMain::RedrawVisitedMap(std::uint8_t mode) {
    if (plotCompleteMode_ == mode && plotCompleteAtErase_ == Graph.eraseCount()) {
        return;
    }
    const bool sequential = mode == protocol::kSequentialMode;
    const monitor::TraceMap& trace = sequential ? traceSequential : traceHPattern;
    std::array<float, monitor::TraceMap::kSide> rowY{};
    for (int y = 0; y < monitor::TraceMap::kSide; ++y) {
        rowY[y] = plotY(Graph, y);
    }
    for (int x = 0; x < monitor::TraceMap::kSide; ++x) {
        const float columnX = plotX(Graph, x);
        for (int y = 0; y < monitor::TraceMap::kSide; ++y) {
            const auto cellX = static_cast<std::uint8_t>(x);
            const auto cellY = static_cast<std::uint8_t>(y);
            if (trace.isVisited(cellX, cellY)) {
                Graph.PSet(columnX, rowY[y],
                           traceByGear ? trace.inkAt(cellX, cellY) : protocol::kTraceInk);
            }
        }
    }
    plotCompleteMode_ = mode;
    plotCompleteAtErase_ = Graph.eraseCount();
}
