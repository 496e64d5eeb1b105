#include <algorithm>
#include <cmath>

#include "window/toolkit/controls.h"

namespace toolkit {

int PictureBox::rasterWidth() const {
    return std::max(0, static_cast<int>(std::lround(ScaleWidth() / kTwipsPerPixel)));
}

int PictureBox::rasterHeight() const {
    return std::max(0, static_cast<int>(std::lround(ScaleHeight() / kTwipsPerPixel)));
}

void PictureBox::fitRaster() {
    const auto cells = static_cast<std::size_t>(rasterWidth()) * rasterHeight();
    if (raster_.size() != cells || rasterWidth_ != rasterWidth()) {
        raster_.assign(cells, 0);
        rasterWidth_ = rasterWidth();
    }
}

void PictureBox::PSet(float x, float y) {
    fitRaster();
    // A pen of width w centred on the point covers w pixels ending at its pixel.
    const auto centreX = static_cast<long>(std::lround(x / kTwipsPerPixel));
    const auto centreY = static_cast<long>(std::lround(y / kTwipsPerPixel));
    const long width = std::max(1, DrawWidth);
    const long first = -(width / 2);
    for (long dy = first; dy < first + width; ++dy) {
        for (long dx = first; dx < first + width; ++dx) {
            const long px = centreX + dx;
            const long py = centreY + dy;
            if (px >= 0 && py >= 0 && px < rasterWidth_ && py < rasterHeight()) {
                raster_[static_cast<std::size_t>(py) * rasterWidth_ + px] = 1;
            }
        }
    }
    ++revision_;
}

void PictureBox::Cls() {
    fitRaster();
    std::fill(raster_.begin(), raster_.end(), 0);
    ++eraseCount_;
    ++revision_;
}

bool PictureBox::isDrawn(int pixelX, int pixelY) const {
    if (pixelX < 0 || pixelY < 0 || pixelX >= rasterWidth_ || pixelY >= rasterHeight() ||
        raster_.empty()) {
        return false;
    }
    return raster_[static_cast<std::size_t>(pixelY) * rasterWidth_ + pixelX] != 0;
}

}  // namespace toolkit
