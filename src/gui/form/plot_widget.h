#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "window/toolkit/controls.h"

// The picture box: its border, its raster and the line shapes it contains, at the
// window's scale, and a marker at the lever's live position over them. It reads the
// models when it paints, and repaints only the cells that were drawn or erased and the
// old and new places of lines and the marker that moved. The cells are kept drawn at the
// widget's size, so that a paint copies them whatever the scale.
namespace gui {

class PlotWidget : public QWidget {
  public:
    PlotWidget(const toolkit::PictureBox& box, QWidget* parent);

    // `name` is drawn at the line's end (the top of a vertical line, the right end of a
    // horizontal one) in its colour, so the plot says which threshold each line is.
    void addLine(const toolkit::LineShape& line, QString name = {});
    // Schedules a repaint of what changed in the models since the last refresh.
    void refresh();
    // The size at which the design shows: 1 is one pixel a raster cell.
    void setScale(double scale);
    // The lever's position in the box's inner area, in twips; none hides the marker.
    void setLivePosition(std::optional<QPointF> twips);
    // Where the marker is painted; empty while hidden.
    QRect markerArea() const;

    // The raster as an image, one pixel a cell, each drawn cell in its ink's colour.
    const QImage& rasterImage();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct LineLook {
        bool visible = false;
        float x1 = 0;
        float y1 = 0;
        float x2 = 0;
        float y2 = 0;
        int width = 0;
        toolkit::Colour colour;
        bool operator==(const LineLook&) const = default;
    };

    static LineLook lookOf(const toolkit::LineShape& line);
    // Where line `i` is painted with its name; empty when hidden.
    QRegion areaOf(std::size_t i, const LineLook& look) const;
    // Where the name of line `i` is written when it looks as `look`, in the widget's
    // coordinates.
    QRect nameArea(std::size_t i, const LineLook& look) const;
    QSize nameSize(std::size_t i) const;
    QRect innerRect() const;
    // Where a line is painted, pen included; empty when hidden.
    QRect areaOf(const LineLook& look) const;
    QPalette drawingPalette() const;
    QColor traceColour() const;
    // Brings the images up to date with the raster and gives the area that changed.
    QRegion updateImage();
    // Brings the raster's copy up to date and gives the area of the cells that changed.
    QRegion updateRaster();
    // Copies the cells of `area` from the raster into the image; true if any changed.
    bool copyCells(const toolkit::PictureBox::CellArea& area, std::uint8_t lastInk);
    // Draws the cells of `region` (widget coordinates) on their background in the
    // picture a paint copies from.
    void drawCells(const QRegion& region);
    QColor backgroundColour() const;
    // The area of cells [x, x + count) in row y; each cell is a square of the scaled pen.
    QRect cellsArea(int x, int y, int count) const;
    QRectF cellsRect(int x, int y, int count) const;
    // The area of cells [left, right) x [top, bottom).
    QRect cellsArea(const toolkit::PictureBox::CellArea& cells) const;
    double cellLeft(int x) const;
    double cellTop(int y) const;
    double cellSide() const;
    void paintCells(QPainter& painter, const QRect& area) const;
    QPointF markerCentre() const;
    double markerSize() const;
    QRectF markerRect() const;  // uncut by the widget's edges
    const QPixmap& markerPicture() const;
    void paintMarker(QPainter& painter) const;

    const toolkit::PictureBox& box_;
    std::vector<const toolkit::LineShape*> lines_;
    std::vector<QString> lineNames_;
    std::vector<LineLook> shownLines_;  // as the last refresh saw them
    QImage image_;
    std::uint64_t imageRevision_ = 0;
    std::uint64_t imageEraseCount_ = 0;
    bool imageValid_ = false;
    // The inner area as painted: background and cells at the widget's size and pixel
    // ratio, drawn again where cells change.
    QImage cells_;
    QColor cellsBackground_;
    double scale_ = 1;
    std::optional<QPointF> livePosition_;
    mutable std::vector<QSize> nameSizes_;  // in nameSizesFont_
    mutable QFont nameSizesFont_;
    mutable QPixmap markerPicture_;
    mutable double markerPictureSize_ = 0;
};

}  // namespace gui
