#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "window/toolkit/controls.h"

// The picture box: its border, its raster and the line shapes it contains. It reads the
// models when it paints, and repaints only the cells that were drawn or erased and the
// old and new places of lines that moved.
namespace gui {

class PlotWidget : public QWidget {
  public:
    PlotWidget(const toolkit::PictureBox& box, QWidget* parent);

    void addLine(const toolkit::LineShape& line);
    // Schedules a repaint of what changed in the models since the last refresh.
    void refresh();

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
    QRect innerRect() const;
    // Where a line is painted, pen included; empty when hidden.
    QRect areaOf(const LineLook& look) const;
    QPalette drawingPalette() const;
    QColor traceColour() const;
    // Brings the image up to date with the raster and gives the area that changed.
    QRegion updateImage();
    // The area of cells [x, x + count) in row y.
    QRect cellsArea(int x, int y, int count) const;

    const toolkit::PictureBox& box_;
    std::vector<const toolkit::LineShape*> lines_;
    std::vector<LineLook> shownLines_;  // as the last refresh saw them
    QImage image_;
    std::uint64_t imageRevision_ = 0;
    std::uint64_t imageEraseCount_ = 0;
    bool imageValid_ = false;
};

}  // namespace gui
