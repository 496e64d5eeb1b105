#include "gui/assistant/gear_legend.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "gui/assistant/gear_palette.h"

namespace gui {

namespace {

constexpr int kSwatch = 9;
constexpr int kGap = 4;

using protocol::Gear;

}  // namespace

GearLegend::GearLegend(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setToolTip(tr("Colours of the trace: the gear the adaptor reported at each point"));
}

const std::vector<Gear>& GearLegend::gears() const {
    static const std::vector<Gear> kHPattern{Gear::Neutral, Gear::First,  Gear::Second,
                                             Gear::Third,   Gear::Fourth, Gear::Fifth,
                                             Gear::Sixth,   Gear::Reverse};
    static const std::vector<Gear> kSequential{Gear::Neutral, Gear::Minus, Gear::Plus};
    return sequential_ ? kSequential : kHPattern;
}

void GearLegend::setSequential(bool sequential) {
    if (sequential != sequential_) {
        sequential_ = sequential;
        resize(sizeHint());
        update();
    }
}

void GearLegend::setScale(double scale) {
    scale_ = scale;
    resize(sizeHint());
    update();
}

int GearLegend::swatch() const {
    return std::max(1, static_cast<int>(std::lround(kSwatch * scale_)));
}

int GearLegend::rowHeight() const {
    return std::max(fontMetrics().height(), swatch()) + 1;
}

QSize GearLegend::sizeHint() const {
    int widest = 0;
    for (const Gear gear : gears()) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(gearLegendLabel(gear)));
    }
    const int gap = static_cast<int>(std::lround(kGap * scale_));
    return {swatch() + gap + widest + 2, rowHeight() * static_cast<int>(gears().size())};
}

void GearLegend::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int row = rowHeight();
    const int side = swatch();
    const int textLeft = side + static_cast<int>(std::lround(kGap * scale_));
    painter.setPen(palette().color(QPalette::WindowText));
    int top = 0;
    for (const Gear gear : gears()) {
        painter.fillRect(0, top + (row - side) / 2, side, side, gearColour(gear));
        painter.drawText(QRect(textLeft, top, width() - textLeft, row),
                         Qt::AlignLeft | Qt::AlignVCenter, gearLegendLabel(gear));
        top += row;
    }
}

}  // namespace gui
