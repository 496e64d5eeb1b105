#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "window/toolkit/controls.h"

// The picture box: its border, its raster and the line shapes it contains. It reads the
// models when it paints and repaints only when something it shows has changed.
namespace qtui {

class PlotWidget : public QWidget {
  public:
    PlotWidget(const toolkit::PictureBox& box, QWidget* parent);

    void addLine(const toolkit::LineShape& line);
    // Schedules a repaint when the raster or a line differs from what was painted.
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

    std::vector<LineLook> currentLines() const;
    QPalette drawingPalette() const;
    QColor traceColour() const;

    const toolkit::PictureBox& box_;
    std::vector<const toolkit::LineShape*> lines_;
    std::vector<LineLook> paintedLines_;
    std::uint64_t paintedRevision_ = 0;
    bool painted_ = false;
    QImage image_;
    std::uint64_t imageRevision_ = 0;
    bool imageValid_ = false;
};

}  // namespace qtui
