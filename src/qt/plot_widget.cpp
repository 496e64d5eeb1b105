#include "qt/plot_widget.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstring>

#include "qt/gear_palette.h"
#include "qt/style.h"
#include "qt/twips.h"

namespace qtui {

PlotWidget::PlotWidget(const toolkit::PictureBox& box, QWidget* parent)
    : QWidget(parent), box_(box) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotWidget::addLine(const toolkit::LineShape& line) {
    lines_.push_back(&line);
    update();
}

std::vector<PlotWidget::LineLook> PlotWidget::currentLines() const {
    std::vector<LineLook> looks;
    looks.reserve(lines_.size());
    for (const toolkit::LineShape* line : lines_) {
        looks.push_back({line->Visible, line->X1, line->Y1, line->X2, line->Y2, line->BorderWidth,
                         line->foreColour.value_or(toolkit::Colour{})});
    }
    return looks;
}

void PlotWidget::refresh() {
    if (!painted_ || paintedRevision_ != box_.revision() || paintedLines_ != currentLines()) {
        update();
    }
}

// A picture box draws in its own colours whether or not it is enabled.
QPalette PlotWidget::drawingPalette() const {
    QPalette active = palette();
    active.setCurrentColorGroup(QPalette::Active);
    return active;
}

QColor PlotWidget::traceColour() const {
    return qtColour(
        box_.foreColour.value_or(toolkit::systemColour(toolkit::SystemColour::ButtonText)),
        drawingPalette());
}

const QImage& PlotWidget::rasterImage() {
    const QColor colour = traceColour();
    if (imageValid_ && imageRevision_ == box_.revision() && image_.color(1) == colour.rgba()) {
        return image_;
    }
    const int width = box_.rasterWidth();
    const int height = box_.rasterHeight();
    const std::vector<std::uint8_t>& cells = box_.raster();
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_Indexed8);
    // Each cell holds its ink: 1 the box's drawing colour, 2 on the gears' colours.
    const QVector<QRgb> inks = inkTable(colour);
    const auto lastInk = static_cast<std::uint8_t>(inks.size() - 1);
    image_.setColorTable(inks);
    image_.fill(0);
    // The raster holds width * height cells once anything was drawn, none before.
    if (cells.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        for (int y = 0; y < height; ++y) {
            uchar* row = image_.scanLine(y);
            const std::uint8_t* source = cells.data() + static_cast<std::size_t>(y) * width;
            for (int x = 0; x < width; ++x) {
                row[x] = std::min(source[x], lastInk);
            }
        }
    }
    imageRevision_ = box_.revision();
    imageValid_ = true;
    return image_;
}

void PlotWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette colours = drawingPalette();
    const int border = std::clamp(box_.BorderPixels, 0, std::min(width(), height()) / 2);
    const QRect inner = rect().adjusted(border, border, -border, -border);

    const toolkit::Colour background = box_.backColour.value_or(toolkit::rgb(255, 255, 255));
    painter.fillRect(rect(), qtColour(background, colours));
    if (border == 2) {
        qDrawWinPanel(&painter, rect(), colours, true);
    } else if (border > 0) {
        qDrawShadePanel(&painter, rect(), colours, true, border);
    }

    painter.setClipRect(inner);
    painter.drawImage(inner, rasterImage());

    // Line shapes are placed in the inner area's own coordinates.
    painter.translate(inner.topLeft());
    const std::vector<LineLook> looks = currentLines();
    for (const LineLook& look : looks) {
        if (!look.visible) {
            continue;
        }
        QPen pen(qtColour(look.colour, colours));
        pen.setWidth(std::clamp(look.width, 1, 100));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(exactPixelsFromTwips(look.x1), exactPixelsFromTwips(look.y1)),
                         QPointF(exactPixelsFromTwips(look.x2), exactPixelsFromTwips(look.y2)));
    }
    paintedLines_ = looks;
    paintedRevision_ = box_.revision();
    painted_ = true;
}

}  // namespace qtui
