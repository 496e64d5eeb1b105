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
    // Sizes never change at run time, so this is one comparison a point.
    if (Width == sizedForWidth_ && Height == sizedForHeight_ && BorderPixels == sizedForBorder_) {
        return;
    }
    sizedForWidth_ = Width;
    sizedForHeight_ = Height;
    sizedForBorder_ = BorderPixels;
    rasterWidth_ = rasterWidth();
    rasterHeight_ = rasterHeight();
    raster_.assign(static_cast<std::size_t>(rasterWidth_) * rasterHeight_, 0);
    forgetDrawn();
}

void PictureBox::forgetDrawn() {
    drawn_.clear();
    drawnFrom_ = revision_;
}

std::optional<std::span<const PictureBox::CellArea>> PictureBox::drawnSince(
    std::uint64_t revision) const {
    if (revision < drawnFrom_ || revision > revision_) {
        return std::nullopt;
    }
    return std::span<const CellArea>(drawn_).subspan(revision - drawnFrom_);
}

namespace {

// The pixel nearest a position in twips, clamped far outside the raster for positions
// beyond it. Plain truncation: floor costs a library call on baseline x86-64, and a
// full redraw sets tens of thousands of points.
long nearestPixel(float twips) {
    constexpr float kPixelsPerTwip = 1.0F / kTwipsPerPixel;
    constexpr float kFarOutside = 1.0e6F;
    const float pixels = twips * kPixelsPerTwip;
    if (!(pixels > -kFarOutside && pixels < kFarOutside)) {
        return -static_cast<long>(kFarOutside);  // NaN or far away: nothing to draw
    }
    return pixels >= 0 ? static_cast<long>(pixels + 0.5F) : -static_cast<long>(0.5F - pixels);
}

}  // namespace

void PictureBox::PSet(float x, float y, std::uint8_t ink) {
    fitRaster();
    // A pen of width w centred on the point covers w pixels ending at its pixel.
    const long width = std::max(1, DrawWidth);
    const long firstX = nearestPixel(x) - width / 2;
    const long firstY = nearestPixel(y) - width / 2;
    const long left = std::max(firstX, 0L);
    const long right = std::min(firstX + width, static_cast<long>(rasterWidth_));
    const long top = std::max(firstY, 0L);
    const long bottom = std::min(firstY + width, static_cast<long>(rasterHeight_));
    for (long py = top; py < bottom; ++py) {
        std::uint8_t* row = raster_.data() + static_cast<std::size_t>(py) * rasterWidth_;
        for (long px = left; px < right; ++px) {
            row[px] = ink;
        }
    }
    if (drawn_.size() == kKeptAreas) {
        forgetDrawn();
    }
    ++revision_;
    const auto cell = [](long at) { return static_cast<int>(at); };
    drawn_.push_back(left < right && top < bottom
                         ? CellArea{cell(left), cell(top), cell(right), cell(bottom)}
                         : CellArea{});
}

void PictureBox::Cls() {
    fitRaster();
    std::fill(raster_.begin(), raster_.end(), 0);
    ++eraseCount_;
    ++revision_;
    forgetDrawn();
}

bool PictureBox::isDrawn(int pixelX, int pixelY) const {
    return inkAt(pixelX, pixelY) != 0;
}

std::uint8_t PictureBox::inkAt(int pixelX, int pixelY) const {
    if (pixelX < 0 || pixelY < 0 || pixelX >= rasterWidth_ || pixelY >= rasterHeight_) {
        return 0;
    }
    return raster_[static_cast<std::size_t>(pixelY) * rasterWidth_ + pixelX];
}

}  // namespace toolkit
