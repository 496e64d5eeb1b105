#include "gui/assistant/gear_legend.h"

#include <QPainter>

#include "gui/assistant/gear_palette.h"

namespace gui {

namespace {

constexpr int kSwatch = 9;
constexpr int kGap = 4;

}  // namespace

GearLegend::GearLegend(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setToolTip(tr("Colours of the trace: the gear the adaptor reported at each point"));
}

int GearLegend::rowHeight() const {
    return std::max(fontMetrics().height(), kSwatch) + 1;
}

QSize GearLegend::sizeHint() const {
    return {kSwatch + kGap + fontMetrics().horizontalAdvance(QStringLiteral("N/-")) + 2,
            rowHeight() * static_cast<int>(protocol::kGearCount)};
}

void GearLegend::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int row = rowHeight();
    for (std::size_t i = 0; i < protocol::kGearCount; ++i) {
        const auto gear = static_cast<protocol::Gear>(i);
        const int top = static_cast<int>(i) * row;
        painter.fillRect(0, top + (row - kSwatch) / 2, kSwatch, kSwatch, gearColour(gear));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(kSwatch + kGap, top, width() - kSwatch - kGap, row),
                         Qt::AlignLeft | Qt::AlignVCenter, gearLegendLabel(gear));
    }
}

}  // namespace gui
