#include <gtest/gtest.h>

#include "i18n/translate.h"
#include "support/window_fixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class PositionPlot : public WindowTest {
  protected:
    void SetUp() override {
        adaptor = bus.addAdaptor();
        loadWindow();
    }
    // One report exactly as given, then one tick.
    void show(Bytes report) {
        bus.queueInputReport(adaptor, std::move(report));
        createdWindow->Timer_Timer();
    }
    void showPosition(std::uint8_t x, std::uint8_t y, std::uint8_t modeFlags = 0) {
        show({0, x, y, 0, 0, modeFlags});
    }
    sim::DeviceId adaptor = 0;
};

TEST_F(PositionPlot, MapsTheCornersOfTheRangeToTheCornersOfThePlot) {
    showPosition(0, 0);
    EXPECT_TRUE(createdWindow->Graph.isDrawn(0, 255));  // bottom left
    showPosition(255, 255);
    EXPECT_TRUE(createdWindow->Graph.isDrawn(255, 0));  // top right
    EXPECT_FALSE(createdWindow->Graph.isDrawn(128, 128));
}

TEST_F(PositionPlot, ShowsTheGearTheAdaptorReportsByExactValue) {
    const auto gearFor = [this](std::uint8_t mask, std::uint8_t flag) {
        show({0, 1, 1, mask, flag, 0});
        return createdWindow->Gear.Caption;
    };
    EXPECT_EQ(gearFor(0x00, 0), "N");
    EXPECT_EQ(gearFor(0x00, 1), "-");
    EXPECT_EQ(gearFor(0x00, 0xFF), "-");
    EXPECT_EQ(gearFor(0x01, 9), "1");
    EXPECT_EQ(gearFor(0x02, 0), "2");
    EXPECT_EQ(gearFor(0x04, 0), "3");
    EXPECT_EQ(gearFor(0x08, 0), "4");
    EXPECT_EQ(gearFor(0x10, 0), "5");
    EXPECT_EQ(gearFor(0x20, 0), "6");
    EXPECT_EQ(gearFor(0x40, 0), "R");
    EXPECT_EQ(gearFor(0x80, 7), "+");
    EXPECT_EQ(gearFor(0x03, 0), "+");  // two bits: the caption stays
    EXPECT_EQ(gearFor(0x81, 0), "+");
}

TEST_F(PositionPlot, ShowsThePlainDecimalValues) {
    showPosition(7, 0);
    EXPECT_EQ(createdWindow->lblX.Caption, "7");
    EXPECT_EQ(createdWindow->lblY.Caption, "0");
    showPosition(255, 255);
    EXPECT_EQ(createdWindow->lblX.Caption, "255");
    EXPECT_EQ(createdWindow->lblY.Caption, "255");
}

TEST_F(PositionPlot, SpeaksThePositionInTheLanguageOfTheMoment) {
    const auto namesAt = [this](std::uint8_t x, std::uint8_t y) {
        showPosition(x, y);
        const frmMain& shown = *createdWindow;
        return shown.Graph.accessibleName + " | " + shown.lblX.accessibleName + " | " +
               shown.lblY.accessibleName;
    };
    EXPECT_EQ(namesAt(7, 9), "Lever position X 7, Y 9 | Lever X 7 | Lever Y 9");
    {
        // The scope gives back the translator it found (none) however the test ends.
        const i18n::EnglishScope restore;
        i18n::install(
            [](const char*, const char* text, int) { return "<" + std::string(text) + ">"; });
        EXPECT_EQ(namesAt(8, 9), "<Lever position X 8, Y 9> | <Lever X 8> | <Lever Y 9>");
    }
    EXPECT_EQ(namesAt(9, 9), "Lever position X 9, Y 9 | Lever X 9 | Lever Y 9");
}

TEST_F(PositionPlot, MovesTheTickMarksAlongThePlotsOuterEdges) {
    showPosition(0, 255);
    EXPECT_EQ(createdWindow->TickV1.Top, 2805);  // the plot's top
    EXPECT_EQ(createdWindow->TickV2.Top, 2805);
    EXPECT_EQ(createdWindow->lblY.Top, 2715);
    EXPECT_EQ(createdWindow->TickH1.Left, 1485);  // the plot's left
    EXPECT_EQ(createdWindow->TickH2.Left, 1485);
    EXPECT_EQ(createdWindow->lblX.Left, 989);

    showPosition(255, 0);
    EXPECT_EQ(createdWindow->TickV1.Top, 2805 + 3900);
    EXPECT_EQ(createdWindow->TickH1.Left, 1485 + 3900);

    // In single precision, multiplication first: X 100 is 3014.41162, not the exact
    // 3014.41176, twips from the left.
    showPosition(100, 17);
    EXPECT_EQ(createdWindow->TickV1.Top, 6445);
    EXPECT_EQ(createdWindow->TickH1.Left, 3014.41162F);
    EXPECT_EQ(createdWindow->lblX.Left, 2518.41162F);
}

TEST_F(PositionPlot, MarksEachPositionInTheMapOfItsOwnMode) {
    showPosition(30, 40);
    showPosition(30, 40);
    EXPECT_TRUE(createdWindow->traceHPattern.isVisited(30, 40));
    EXPECT_FALSE(createdWindow->traceSequential.isVisited(30, 40));
    showPosition(50, 60, 0x02);
    EXPECT_TRUE(createdWindow->traceSequential.isVisited(50, 60));
    EXPECT_FALSE(createdWindow->traceHPattern.isVisited(50, 60));
    // Only bit 0x02 decides the mode.
    showPosition(70, 80, 0xFD);
    EXPECT_TRUE(createdWindow->traceHPattern.isVisited(70, 80));
}

TEST_F(PositionPlot, ShowsOnlyTheTraceOfTheCurrentMode) {
    showPosition(30, 40);
    showPosition(200, 210, 0x02);
    // Lever (30, 40) is pixel (30, 215) of the plot, (200, 210) is (200, 45).
    EXPECT_FALSE(createdWindow->Graph.isDrawn(30, 215));
    EXPECT_TRUE(createdWindow->traceHPattern.isVisited(30, 40));
    showPosition(100, 100);
    EXPECT_TRUE(createdWindow->Graph.isDrawn(30, 215));
    EXPECT_FALSE(createdWindow->Graph.isDrawn(200, 45));
}

TEST_F(PositionPlot, AShortReportDrawsNothingButStillSetsTheLabels) {
    showPosition(10, 20, 0);
    show({0, 99, 98, 0x04});  // four bytes: the rest is what the buffer held
    EXPECT_FALSE(createdWindow->traceHPattern.isVisited(99, 98));
    EXPECT_EQ(createdWindow->lblX.Caption, "99");
    EXPECT_EQ(createdWindow->Gear.Caption, "3");
}

}  // namespace
