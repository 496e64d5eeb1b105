// The picture box widget on its own: raster, border and lines where the model has them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <algorithm>
#include <limits>

#include "gui/form/plot_widget.h"

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// Counts the paints a widget gets and what they covered.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    QRegion painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
};

class PlotWidgetTest : public ::testing::Test {
  protected:
    PlotWidgetTest() {
        box.Width = 3900;  // 260 px outside, 256 px inside
        box.Height = 3900;
        box.BorderPixels = 2;
        box.DrawWidth = 1;
        box.backColour = toolkit::rgb(255, 255, 255);
        box.foreColour = toolkit::rgb(0, 0, 0);
        plot.setGeometry(0, 0, 260, 260);
    }

    QImage picture() { return plot.grab().toImage(); }

    toolkit::PictureBox box{"Graph"};
    QWidget parent;
    gui::PlotWidget plot{box, &parent};
};

TEST_F(PlotWidgetTest, RasterCellsAppearInsideTheBorder) {
    box.PSet(150, 300);  // cell (10, 20)
    const QImage image = picture();
    EXPECT_EQ(image.pixel(12, 22), kBlack);
    EXPECT_EQ(image.pixel(13, 22), kWhite);
    EXPECT_EQ(image.pixel(12, 23), kWhite);
    EXPECT_EQ(image.pixel(11, 21), kWhite);
}

TEST_F(PlotWidgetTest, TraceUsesTheBoxColour) {
    box.foreColour = toolkit::rgb(0, 128, 0);
    box.PSet(0, 0);
    EXPECT_EQ(picture().pixel(2, 2), qRgb(0, 128, 0));
}

TEST_F(PlotWidgetTest, ImageFollowsEveryRevision) {
    box.PSet(150, 150);
    EXPECT_EQ(plot.rasterImage().pixelIndex(10, 10), 1);
    box.Cls();
    EXPECT_EQ(plot.rasterImage().pixelIndex(10, 10), 0);
    box.PSet(300, 150);
    EXPECT_EQ(plot.rasterImage().pixelIndex(20, 10), 1);
    EXPECT_EQ(picture().pixel(22, 12), kBlack);
}

TEST_F(PlotWidgetTest, BorderLooksSunken) {
    const QImage image = picture();
    // Darker along the top and left than along the bottom and right.
    EXPECT_LT(qGray(image.pixel(0, 100)), qGray(image.pixel(259, 100)));
    EXPECT_LT(qGray(image.pixel(100, 1)), qGray(image.pixel(100, 258)));
    EXPECT_EQ(image.pixel(2, 2), kWhite);
    EXPECT_EQ(image.pixel(257, 257), kWhite);
}

TEST_F(PlotWidgetTest, VisibleLinesAreDrawnInTheInnerCoordinatesAndHiddenOnesNot) {
    toolkit::LineShape vertical{"lineV1"};
    vertical.foreColour = toolkit::rgb(0, 0, 255);
    vertical.BorderWidth = 2;
    vertical.X1 = vertical.X2 = 1500;  // 100 px inside
    vertical.Y1 = 0;
    vertical.Y2 = box.ScaleHeight();
    toolkit::LineShape hidden{"SeqH1"};
    hidden.foreColour = toolkit::rgb(255, 0, 0);
    hidden.BorderWidth = 2;
    hidden.X1 = 0;
    hidden.X2 = box.ScaleWidth();
    hidden.Y1 = hidden.Y2 = 750;  // 50 px inside
    hidden.Visible = false;
    plot.addLine(vertical, QStringLiteral("V1"));
    plot.addLine(hidden, QStringLiteral("Seq H1"));
    // A line's name is written in its colour beside its top or right end.
    const auto inked = [](const QImage& image, QRect area) {
        QImage white(area.size(), image.format());
        white.fill(kWhite);
        return image.copy(area) != white;
    };
    const QRect besideTop(104, 2, 40, 30);
    const QRect aboveRightEnd(180, 2, 78, 48);

    QImage image = picture();
    EXPECT_TRUE(inked(image, besideTop));
    EXPECT_FALSE(inked(image, aboveRightEnd));
    // A 2-px pen centred on the line covers the pixels on either side of it.
    EXPECT_EQ(image.pixel(101, 150), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(102, 150), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(104, 150), kWhite);
    EXPECT_EQ(image.pixel(50, 52), kWhite);

    hidden.Visible = true;
    vertical.Visible = false;
    image = picture();
    EXPECT_EQ(image.pixel(50, 52), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(102, 150), kWhite);
    EXPECT_FALSE(inked(image, besideTop));
    EXPECT_TRUE(inked(image, aboveRightEnd));

    // In a font three times as large the name is measured again: it reaches further left.
    const QRect leftOfTheSmallName(100, 2, 60, 48);
    EXPECT_FALSE(inked(image, leftOfTheSmallName));
    QFont larger = plot.font();
    larger.setPointSizeF(larger.pointSizeF() * 3);
    plot.setFont(larger);
    EXPECT_TRUE(inked(picture(), leftOfTheSmallName));
}

TEST_F(PlotWidgetTest, RefreshRepaintsOnlyWhenSomethingShownChanged) {
    PaintCounter counter;
    plot.installEventFilter(&counter);
    parent.resize(300, 300);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    const auto settle = [] {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    };
    settle();
    const int afterShow = counter.paints;
    ASSERT_GT(afterShow, 0);

    plot.refresh();
    settle();
    EXPECT_EQ(counter.paints, afterShow);

    box.PSet(100, 100);
    plot.refresh();
    settle();
    EXPECT_EQ(counter.paints, afterShow + 1);

    toolkit::LineShape line{"line"};
    plot.addLine(line);
    settle();
    const int afterLine = counter.paints;
    line.Y1 = 300;
    plot.refresh();
    settle();
    EXPECT_EQ(counter.paints, afterLine + 1);
}

TEST_F(PlotWidgetTest, RefreshRepaintsOnlyNewCellsAndTheOldAndNewPlacesOfMovedLines) {
    toolkit::LineShape line{"lineH1"};
    line.BorderWidth = 2;
    line.X2 = box.ScaleWidth();
    line.Y1 = line.Y2 = 1500;  // 100 px inside
    plot.addLine(line);
    PaintCounter counter;
    plot.installEventFilter(&counter);
    parent.resize(300, 300);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    const auto settle = [] {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    };
    settle();
    counter.painted = QRegion();

    box.PSet(150, 300);  // cell (10, 20): pixel (12, 22)
    box.PSet(165, 300);  // cell (11, 20)
    plot.refresh();
    settle();
    EXPECT_EQ(counter.painted.boundingRect(), QRect(12, 22, 2, 1));
    EXPECT_EQ(picture().pixel(13, 22), kBlack);

    counter.painted = QRegion();
    line.Y1 = line.Y2 = 3000;  // to 200 px inside
    plot.refresh();
    settle();
    EXPECT_TRUE(counter.painted.contains(QPoint(50, 102)));  // where it was
    EXPECT_TRUE(counter.painted.contains(QPoint(50, 202)));  // where it is
    EXPECT_FALSE(counter.painted.contains(QPoint(50, 150)));
    EXPECT_LT(counter.painted.boundingRect().height(), 260);

    box.Cls();  // an erase repaints the whole plot
    counter.painted = QRegion();
    plot.refresh();
    settle();
    EXPECT_EQ(counter.painted.boundingRect(), plot.rect());
}

// The widget copies the cells of the points drawn since it last looked, or compares the
// whole raster when more were drawn than the box keeps; at any scale the picture shows
// the newest cells and none of the erased ones.
TEST_F(PlotWidgetTest, PictureFollowsFewAndManyPointsAtAnyScale) {
    const struct {
        double scale;
        std::size_t points;
    } cases[] = {{1, 1}, {1, toolkit::PictureBox::kKeptAreas + 1}, {2, 1}, {2, 3000}};
    for (const auto& [scale, points] : cases) {
        SCOPED_TRACE(testing::Message() << "scale " << scale << ", " << points << " points");
        plot.setScale(scale);
        plot.setGeometry(0, 0, static_cast<int>(260 * scale), static_cast<int>(260 * scale));
        box.Cls();
        box.PSet(300, 300);  // cell (20, 20), erased by the points below
        EXPECT_EQ(picture().pixel(static_cast<int>(22 * scale), static_cast<int>(22 * scale)),
                  kBlack);
        for (std::size_t i = 0; i < points; ++i) {
            box.PSet(150, static_cast<float>(15 * (i % 200)));  // column 10
        }
        box.PSet(300, 300, 0);
        const QImage image = picture();
        const auto at = [&](int x, int y) {
            return image.pixel(static_cast<int>((x + 2) * scale),
                               static_cast<int>((y + 2) * scale));
        };
        EXPECT_EQ(at(10, std::min<int>(static_cast<int>(points) - 1, 199)), kBlack);
        EXPECT_EQ(at(20, 20), kWhite);
        EXPECT_EQ(at(11, 0), kWhite);
    }
}

TEST_F(PlotWidgetTest, WildModelValuesStillPaint) {
    toolkit::LineShape line{"wild"};
    line.X1 = std::numeric_limits<float>::quiet_NaN();
    line.Y1 = std::numeric_limits<float>::infinity();
    line.X2 = -1.0e30F;
    line.Y2 = 1.0e30F;
    line.BorderWidth = -5;
    plot.addLine(line);
    box.BorderPixels = 500;
    EXPECT_EQ(picture().size(), QSize(260, 260));

    toolkit::PictureBox empty{"empty"};  // never drawn on: no raster at all
    gui::PlotWidget emptyPlot(empty, &parent);
    emptyPlot.setGeometry(0, 0, 40, 40);
    EXPECT_EQ(emptyPlot.grab().size(), QSize(40, 40));
    EXPECT_FALSE(emptyPlot.rasterImage().isNull());
}

}  // namespace
