#include "gui/form/plot_widget.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "gui/assistant/gear_palette.h"
#include "gui/form/style.h"
#include "gui/form/twips.h"

namespace gui {

PlotWidget::PlotWidget(const toolkit::PictureBox& box, QWidget* parent)
    : QWidget(parent), box_(box) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setScale(1);
}

void PlotWidget::addLine(const toolkit::LineShape& line, QString name) {
    lines_.push_back(&line);
    lineNames_.push_back(std::move(name));
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

// The contents margins tell widgets laid over the plot where its inner area is.
void PlotWidget::setScale(double scale) {
    scale_ = scale;
    const int border = scaledPixels(std::clamp(box_.BorderPixels, 0, 1000), scale);
    setContentsMargins(border, border, border, border);
    update();
}

QRect PlotWidget::innerRect() const {
    const int border = std::min(scaledPixels(std::clamp(box_.BorderPixels, 0, 1000), scale_),
                                std::min(width(), height()) / 2);
    return rect().adjusted(border, border, -border, -border);
}

void PlotWidget::setLivePosition(std::optional<QPointF> twips) {
    if (twips == livePosition_) {
        return;
    }
    const QRect before = markerArea();
    livePosition_ = twips;
    // Drawn at whole pixels, so a move within the pixel costs no repaint.
    if (markerArea() != before) {
        update(QRegion(before) + markerArea());
    }
}

namespace {

// The marker: a ring in the ticks' red around the newest point, which stays visible
// inside it, as the trace does under the thin ring.
constexpr double kMarkerRadius = 5;
constexpr double kMarkerPen = 2;

}  // namespace

QPointF PlotWidget::markerCentre() const {
    return QPointF(exactPixelsFromTwips(static_cast<float>(livePosition_->x()), scale_),
                   exactPixelsFromTwips(static_cast<float>(livePosition_->y()), scale_)) +
           innerRect().topLeft();
}

// Never smaller than at the design's size, so that it stays clear of the trace's dots.
double PlotWidget::markerSize() const {
    return std::max(scale_, 1.0);
}

QRectF PlotWidget::markerRect() const {
    const double reach = (kMarkerRadius + kMarkerPen) * markerSize() + 1;
    const QPointF centre = markerCentre();
    return {centre - QPointF(reach, reach), centre + QPointF(reach, reach)};
}

QRect PlotWidget::markerArea() const {
    return livePosition_ ? markerRect().toAlignedRect().intersected(rect()) : QRect();
}

// Drawn once a scale: the marker moves every frame, and a copy costs less than
// drawing its rings again.
const QPixmap& PlotWidget::markerPicture() const {
    const double pixelRatio = devicePixelRatioF();
    if (markerPicture_.isNull() || markerPictureSize_ != markerSize() ||
        markerPicture_.devicePixelRatio() != pixelRatio) {
        const QSizeF size = markerRect().size();
        markerPicture_ = QPixmap((size * pixelRatio).toSize());
        markerPicture_.setDevicePixelRatio(pixelRatio);
        markerPicture_.fill(Qt::transparent);
        markerPictureSize_ = markerSize();
        QPainter painter(&markerPicture_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        const QPointF centre(size.width() / 2, size.height() / 2);
        const double radius = kMarkerRadius * markerSize();
        painter.setPen(QPen(QColor(255, 0, 0), kMarkerPen * markerSize()));
        painter.drawEllipse(centre, radius, radius);
    }
    return markerPicture_;
}

void PlotWidget::paintMarker(QPainter& painter) const {
    if (livePosition_) {
        painter.drawPixmap(markerRect().toAlignedRect().topLeft(), markerPicture());
    }
}

QRect PlotWidget::areaOf(const LineLook& look) const {
    if (!look.visible) {
        return {};
    }
    const double reach = scaledPixels(std::clamp(look.width, 1, 100), scale_) / 2.0 + 1;
    const QRectF area =
        QRectF(
            QPointF(exactPixelsFromTwips(look.x1, scale_), exactPixelsFromTwips(look.y1, scale_)),
            QPointF(exactPixelsFromTwips(look.x2, scale_), exactPixelsFromTwips(look.y2, scale_)))
            .normalized()
            .adjusted(-reach, -reach, reach, reach);
    return area.toAlignedRect().translated(innerRect().topLeft()).intersected(rect());
}

// A vertical line's name stands right of its top end, a horizontal line's above its
// right end, inside the plot.
QRect PlotWidget::nameArea(std::size_t i, const LineLook& look) const {
    if (lineNames_[i].isEmpty() || !look.visible) {
        return {};
    }
    const QSize size = nameSize(i);
    const int gap = scaledPixels(std::clamp(look.width, 1, 100), scale_) / 2 + 2;
    const QRect inner = innerRect();
    const QPoint topLeft =
        look.x1 == look.x2
            ? QPoint(static_cast<int>(exactPixelsFromTwips(look.x1, scale_)) + gap, gap)
            : QPoint(inner.width() - size.width() - gap,
                     static_cast<int>(exactPixelsFromTwips(std::min(look.y1, look.y2), scale_)) -
                         gap - size.height());
    return QRect(topLeft, size).translated(inner.topLeft()).intersected(inner);
}

QRegion PlotWidget::areaOf(std::size_t i, const LineLook& look) const {
    return QRegion(areaOf(look)) + nameArea(i, look);
}

// Measured once a font: a frame asks for the names' places several times.
QSize PlotWidget::nameSize(std::size_t i) const {
    if (nameSizes_.size() != lineNames_.size() || nameSizesFont_ != font()) {
        const QFontMetrics metrics(font());
        nameSizes_.clear();
        for (const QString& name : lineNames_) {
            nameSizes_.emplace_back(metrics.horizontalAdvance(name), metrics.height());
        }
        nameSizesFont_ = font();
    }
    return nameSizes_[i];
}

void PlotWidget::refresh() {
    QRegion changed = updateImage();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineLook now = lookOf(*lines_[i]);
        if (now != shownLines_[i]) {
            changed += areaOf(i, shownLines_[i]);
            changed += areaOf(i, now);
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

// Cells start at whole device pixels and are squares of the pen's scaled size, so that
// the trace stays crisp at any scale and pixel ratio; at a fractional scale a cell
// overlaps its neighbour by at most one device pixel rather than leaving a gap.
double PlotWidget::cellLeft(int x) const {
    const QRect inner = innerRect();
    const double ratio = devicePixelRatioF();
    return inner.x() + std::floor(static_cast<double>(x) * inner.width() * ratio /
                                  std::max(image_.width(), 1)) /
                           ratio;
}

double PlotWidget::cellTop(int y) const {
    const QRect inner = innerRect();
    const double ratio = devicePixelRatioF();
    return inner.y() + std::floor(static_cast<double>(y) * inner.height() * ratio /
                                  std::max(image_.height(), 1)) /
                           ratio;
}

double PlotWidget::cellSide() const {
    const double ratio = devicePixelRatioF();
    return std::max(1.0, std::ceil(scale_ * ratio - 1e-9)) / ratio;
}

QRectF PlotWidget::cellsRect(int x, int y, int count) const {
    return {QPointF(cellLeft(x), cellTop(y)),
            QPointF(cellLeft(x + count - 1) + cellSide(), cellTop(y) + cellSide())};
}

QRect PlotWidget::cellsArea(int x, int y, int count) const {
    return cellsRect(x, y, count).toAlignedRect();
}

QRect PlotWidget::cellsArea(const toolkit::PictureBox::CellArea& cells) const {
    return QRectF(QPointF(cellLeft(cells.left), cellTop(cells.top)),
                  QPointF(cellLeft(cells.right - 1) + cellSide(),
                          cellTop(cells.bottom - 1) + cellSide()))
        .toAlignedRect();
}

// Runs of cells of one ink in each row of `area`, one rectangle a run.
void PlotWidget::paintCells(QPainter& painter, const QRect& area) const {
    const QRect inner = innerRect();
    if (inner.isEmpty() || image_.isNull()) {
        return;
    }
    const auto cellAt = [](int pixel, int origin, int length, int cells) {
        return std::clamp(static_cast<int>(static_cast<long long>(pixel - origin) * cells / length),
                          0, cells - 1);
    };
    // One cell more on each side: a neighbour's square may reach into the area.
    const int firstX =
        std::max(cellAt(area.left(), inner.x(), inner.width(), image_.width()) - 1, 0);
    const int lastX = cellAt(area.right(), inner.x(), inner.width(), image_.width());
    const int firstY =
        std::max(cellAt(area.top(), inner.y(), inner.height(), image_.height()) - 1, 0);
    const int lastY = cellAt(area.bottom(), inner.y(), inner.height(), image_.height());
    const QVector<QRgb> inks = image_.colorTable();
    for (int y = firstY; y <= lastY; ++y) {
        const uchar* row = image_.constScanLine(y);
        for (int x = firstX; x <= lastX;) {
            const uchar ink = row[x];
            const int first = x;
            while (x <= lastX && row[x] == ink) {
                ++x;
            }
            if (ink != 0 && ink < inks.size()) {
                painter.fillRect(cellsRect(first, y, x - first), QColor::fromRgba(inks[ink]));
            }
        }
    }
}

const QImage& PlotWidget::rasterImage() {
    const QRegion changed = updateImage();
    if (!changed.isEmpty()) {
        update(changed);
    }
    return image_;
}

QColor PlotWidget::backgroundColour() const {
    return qtColour(box_.backColour.value_or(toolkit::rgb(255, 255, 255)), drawingPalette());
}

QRegion PlotWidget::updateImage() {
    QRegion changed = updateRaster();
    const double ratio = devicePixelRatioF();
    const QSize size = (QSizeF(innerRect().size()) * ratio).toSize();
    const QColor background = backgroundColour();
    if (cells_.size() != size || cells_.devicePixelRatio() != ratio ||
        cellsBackground_ != background) {
        cells_ = QImage(size, QImage::Format_RGB32);
        cells_.setDevicePixelRatio(ratio);
        cellsBackground_ = background;
        changed = QRegion(rect());
    }
    if (!changed.isEmpty() && !cells_.isNull()) {
        drawCells(changed);
    }
    return changed;
}

void PlotWidget::drawCells(const QRegion& region) {
    const QRect inner = innerRect();
    QPainter painter(&cells_);
    painter.translate(-inner.topLeft());
    painter.setClipRegion(region);
    for (const QRect& area : region.intersected(inner)) {
        painter.fillRect(area, cellsBackground_);
        paintCells(painter, area);
    }
}

bool PlotWidget::copyCells(const toolkit::PictureBox::CellArea& area, std::uint8_t lastInk) {
    const std::uint8_t* cells = box_.raster().data();
    const int width = image_.width();
    bool changed = false;
    for (int y = area.top; y < area.bottom; ++y) {
        uchar* row = image_.scanLine(y);
        const std::uint8_t* source = cells + static_cast<std::size_t>(y) * width;
        for (int x = area.left; x < area.right; ++x) {
            const std::uint8_t ink = std::min(source[x], lastInk);
            changed = changed || row[x] != ink;
            row[x] = ink;
        }
    }
    return changed;
}

QRegion PlotWidget::updateRaster() {
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
    const std::optional<std::span<const toolkit::PictureBox::CellArea>> drawn =
        box_.drawnSince(imageRevision_);
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
    if (drawn) {
        // The points drawn since: each one's cells are copied, and repainted if they changed.
        // Points follow the lever's path, so a point touching the area before it joins it:
        // a frame of fast reports repaints a few rectangles, not one for each point.
        std::vector<QRect> areas;
        for (const toolkit::PictureBox::CellArea& area : *drawn) {
            if (!copyCells(area, lastInk)) {
                continue;
            }
            const QRect repainted = cellsArea(area);
            if (!areas.empty() && areas.back().adjusted(-1, -1, 1, 1).intersects(repainted)) {
                areas.back() |= repainted;
            } else {
                areas.push_back(repainted);
            }
        }
        QRegion changed;
        for (const QRect& area : areas) {
            changed += area;
        }
        return changed;
    }
    // Too many points to tell: a row that compares equal has nothing new.
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

    const QRegion outside = event->region().subtracted(QRegion(inner));
    if (!outside.isEmpty()) {
        painter.setClipRegion(outside);
        painter.fillRect(outside.boundingRect(), cellsBackground_);
        if (border == 2) {
            qDrawWinPanel(&painter, rect(), colours, true);
        } else if (border > 0) {
            qDrawShadePanel(&painter, rect(), colours, true, border);
        }
    }

    // The cells are copied as drawn, one rectangle of the paint at a time.
    const QRegion insidePart = event->region().intersected(inner);
    painter.setClipRegion(insidePart);
    const double ratio = cells_.devicePixelRatio();
    for (const QRect& part : cells_.isNull() ? QRegion() : insidePart) {
        const QRectF source(QPointF(part.topLeft() - inner.topLeft()) * ratio,
                            QSizeF(part.size()) * ratio);
        painter.drawImage(QRectF(part), cells_, source);
    }

    // Names first, so that a line crossing another's name stays whole.
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineLook look = lookOf(*lines_[i]);
        const QRect area = nameArea(i, look);
        if (!area.isEmpty() && insidePart.intersects(area)) {
            painter.setPen(qtColour(look.colour, colours));
            painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, lineNames_[i]);
        }
    }

    // Line shapes are placed in the inner area's own coordinates.
    painter.translate(inner.topLeft());
    for (const toolkit::LineShape* line : lines_) {
        const LineLook look = lookOf(*line);
        if (!look.visible || !insidePart.intersects(areaOf(look))) {
            continue;
        }
        QPen pen(qtColour(look.colour, colours));
        pen.setWidth(scaledPixels(std::clamp(look.width, 1, 100), scale_));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(
            QPointF(exactPixelsFromTwips(look.x1, scale_), exactPixelsFromTwips(look.y1, scale_)),
            QPointF(exactPixelsFromTwips(look.x2, scale_), exactPixelsFromTwips(look.y2, scale_)));
    }

    // The marker goes over the trace and the lines, and may reach into the border.
    painter.resetTransform();
    painter.setClipRegion(event->region());
    paintMarker(painter);
}

}  // namespace gui
