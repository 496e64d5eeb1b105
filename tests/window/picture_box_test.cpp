#include <gtest/gtest.h>

#include <tuple>

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

TEST(PictureBox, TellsTheAreasDrawnSinceARevisionUntilAnEraseOrTooManyPoints) {
    Plot box;
    box.PSet(0, 0);  // sizes the raster
    const auto before = box.revision();
    box.PSet(1500, 1500);   // pixel 100: cells 99 and 100 each way
    box.PSet(-500, 99999);  // outside: an empty area
    const auto drawn = box.drawnSince(before);
    ASSERT_TRUE(drawn);
    ASSERT_EQ(drawn->size(), 2U);
    const toolkit::PictureBox::CellArea& point = (*drawn)[0];
    EXPECT_EQ(std::make_tuple(point.left, point.top, point.right, point.bottom),
              std::make_tuple(99, 99, 101, 101));
    EXPECT_EQ((*drawn)[1].left, (*drawn)[1].right);
    EXPECT_TRUE(box.drawnSince(box.revision())->empty());

    box.Cls();
    EXPECT_FALSE(box.drawnSince(before));
    const auto erased = box.revision();
    for (std::size_t i = 0; i <= toolkit::PictureBox::kKeptAreas; ++i) {
        box.PSet(100, 100);
    }
    EXPECT_FALSE(box.drawnSince(erased));
    EXPECT_EQ(box.drawnSince(box.revision() - 1)->size(), 1U);
}
