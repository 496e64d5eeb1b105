#include "gui/form/plot_widget.h"

#include <qdrawutil.h>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstring>

#include "gui/assistant/gear_palette.h"
#include "gui/form/style.h"
#include "gui/form/twips.h"

namespace gui {

PlotWidget::PlotWidget(const toolkit::PictureBox& box, QWidget* parent)
    : QWidget(parent), box_(box) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotWidget::addLine(const toolkit::LineShape& line) {
    lines_.push_back(&line);
    shownLines_.push_back(lookOf(line));
    update();
}

PlotWidget::LineLook PlotWidget::lookOf(const toolkit::LineShape& line) {
    return {line.Visible,
            line.X1,
            line.Y1,
            line.X2,
            line.Y2,
            line.BorderWidth,
            line.foreColour.value_or(toolkit::Colour{})};
}

QRect PlotWidget::innerRect() const {
    const int border = std::clamp(box_.BorderPixels, 0, std::min(width(), height()) / 2);
    return rect().adjusted(border, border, -border, -border);
}

QRect PlotWidget::areaOf(const LineLook& look) const {
    if (!look.visible) {
        return {};
    }
    const double reach = std::clamp(look.width, 1, 100) / 2.0 + 1;
    const QRectF area =
        QRectF(QPointF(exactPixelsFromTwips(look.x1), exactPixelsFromTwips(look.y1)),
               QPointF(exactPixelsFromTwips(look.x2), exactPixelsFromTwips(look.y2)))
            .normalized()
            .adjusted(-reach, -reach, reach, reach);
    return area.toAlignedRect().translated(innerRect().topLeft()).intersected(rect());
}

void PlotWidget::refresh() {
    QRegion changed = updateImage();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineLook now = lookOf(*lines_[i]);
        if (now != shownLines_[i]) {
            changed += areaOf(shownLines_[i]);
            changed += areaOf(now);
            shownLines_[i] = now;
        }
    }
    if (!changed.isEmpty()) {
        update(changed);
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

QRect PlotWidget::cellsArea(int x, int y, int count) const {
    const QRect inner = innerRect();
    const double cellWidth = static_cast<double>(inner.width()) / std::max(image_.width(), 1);
    const double cellHeight = static_cast<double>(inner.height()) / std::max(image_.height(), 1);
    return QRectF(inner.x() + x * cellWidth, inner.y() + y * cellHeight, count * cellWidth,
                  cellHeight)
        .toAlignedRect();
}

const QImage& PlotWidget::rasterImage() {
    const QRegion changed = updateImage();
    if (!changed.isEmpty()) {
        update(changed);
    }
    return image_;
}

QRegion PlotWidget::updateImage() {
    const QColor colour = traceColour();
    if (imageValid_ && imageRevision_ == box_.revision() && image_.color(1) == colour.rgba()) {
        return {};
    }
    const int width = box_.rasterWidth();
    const int height = box_.rasterHeight();
    const std::vector<std::uint8_t>& cells = box_.raster();
    // The raster holds width * height cells once anything was drawn, none before.
    const bool hasCells =
        cells.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    // Each cell holds its ink: 1 the box's drawing colour, 2 on the gears' colours.
    const QVector<QRgb> inks = inkTable(colour);
    const auto lastInk = static_cast<std::uint8_t>(inks.size() - 1);
    const bool rebuild = !imageValid_ || !hasCells || image_.width() != std::max(width, 1) ||
                         image_.height() != std::max(height, 1) || image_.colorTable() != inks ||
                         imageEraseCount_ != box_.eraseCount();
    imageRevision_ = box_.revision();
    imageEraseCount_ = box_.eraseCount();
    imageValid_ = true;
    if (rebuild) {
        image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_Indexed8);
        image_.setColorTable(inks);
        image_.fill(0);
        for (int y = 0; hasCells && y < height; ++y) {
            uchar* row = image_.scanLine(y);
            const std::uint8_t* source = cells.data() + static_cast<std::size_t>(y) * width;
            for (int x = 0; x < width; ++x) {
                row[x] = std::min(source[x], lastInk);
            }
        }
        return QRegion(rect());
    }
    // A row that compares equal has nothing new; the few new cells of a frame are copied
    // and their area repainted.
    std::vector<QRect> areas;
    for (int y = 0; y < height; ++y) {
        uchar* row = image_.scanLine(y);
        const std::uint8_t* source = cells.data() + static_cast<std::size_t>(y) * width;
        if (std::memcmp(row, source, static_cast<std::size_t>(width)) == 0) {
            continue;
        }
        for (int x = 0; x < width;) {
            if (row[x] == std::min(source[x], lastInk)) {
                ++x;
                continue;
            }
            const int first = x;
            for (; x < width && row[x] != std::min(source[x], lastInk); ++x) {
                row[x] = std::min(source[x], lastInk);
            }
            areas.push_back(cellsArea(first, y, x - first));
        }
    }
    QRegion changed;
    changed.setRects(areas.data(), static_cast<int>(areas.size()));
    return changed;
}

void PlotWidget::paintEvent(QPaintEvent* event) {
    // Cells drawn since the last refresh show now; any outside this paint follow.
    const QRegion unseen = updateImage() - event->region();
    if (!unseen.isEmpty()) {
        update(unseen);
    }

    QPainter painter(this);
    const QPalette colours = drawingPalette();
    const QRect inner = innerRect();
    const int border = inner.left();

    const toolkit::Colour background = box_.backColour.value_or(toolkit::rgb(255, 255, 255));
    painter.fillRect(event->rect(), qtColour(background, colours));
    if (!QRegion(rect()).subtracted(QRegion(inner)).intersected(event->region()).isEmpty()) {
        if (border == 2) {
            qDrawWinPanel(&painter, rect(), colours, true);
        } else if (border > 0) {
            qDrawShadePanel(&painter, rect(), colours, true, border);
        }
    }

    painter.setClipRegion(event->region().intersected(inner));
    painter.drawImage(inner, image_);

    // Line shapes are placed in the inner area's own coordinates.
    painter.translate(inner.topLeft());
    for (const toolkit::LineShape* line : lines_) {
        const LineLook look = lookOf(*line);
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
}

}  // namespace gui
