#include <gtest/gtest.h>

#include "window/toolkit/controls.h"

namespace {

// The plot as the window designs it: 3900 twips outside, a 2-pixel border and pen.
struct Plot : toolkit::PictureBox {
    Plot() : PictureBox("Graph") {
        Width = 3900;
        Height = 3900;
        BorderPixels = 2;
        DrawWidth = 2;
    }
};

int drawnCount(const toolkit::PictureBox& box) {
    int count = 0;
    for (std::uint8_t cell : box.raster()) {
        count += cell;
    }
    return count;
}

TEST(PictureBox, APointIsTwoPixelsWideAndStaysInsideAtTheEdges) {
    Plot box;
    box.PSet(1500, 1500);  // pixel 100
    EXPECT_TRUE(box.isDrawn(99, 99));
    EXPECT_TRUE(box.isDrawn(100, 100));
    EXPECT_FALSE(box.isDrawn(101, 100));
    EXPECT_EQ(drawnCount(box), 4);

    box.Cls();
    box.PSet(0, 3840);      // bottom-left corner
    box.PSet(3840, 0);      // top-right corner
    box.PSet(-500, 99999);  // far outside: clipped, no fault
    EXPECT_TRUE(box.isDrawn(0, 255));
    EXPECT_TRUE(box.isDrawn(255, 0));
    EXPECT_EQ(drawnCount(box), 2);
}

TEST(PictureBox, EraseClearsEverythingAndIsCounted) {
    Plot box;
    box.PSet(100, 100);
    const auto revision = box.revision();
    const auto erases = box.eraseCount();
    box.Cls();
    EXPECT_EQ(drawnCount(box), 0);
    EXPECT_EQ(box.eraseCount(), erases + 1);
    EXPECT_GT(box.revision(), revision);
}

}  // namespace
