#include <gtest/gtest.h>

#include "support/window_fixture.h"

namespace {

class DisplayMode : public WindowTest {
  protected:
    void SetUp() override {
        adaptor = bus.addAdaptor();
        bus.adaptor(adaptor).settings = {40, 200, 60, 190, 70, 180};
        loadWindow();
    }
    void tick(bool sequential = false) {
        bus.queueLever(adaptor, {128, 128, sequential});
        createdWindow->Timer_Timer();
    }
    sim::DeviceId adaptor = 0;
};

TEST_F(DisplayMode, ShowsTheLinesAndBoxesOfTheReportedMode) {
    tick(false);
    frmMain& w = *createdWindow;
    EXPECT_TRUE(w.lineH1.Visible && w.LineH2.Visible && w.lineV1.Visible && w.lineV2.Visible);
    EXPECT_FALSE(w.SeqH1.Visible || w.SeqH2.Visible);
    EXPECT_TRUE(w.Text9.Visible && w.Text10.Visible);
    // V1 40 and H1 190 of the plot's 3840-twip inside.
    EXPECT_EQ(w.lineV1.X1, 602.352966F);
    EXPECT_EQ(w.lineH1.Y1, 978.823547F);
    EXPECT_EQ(w.lineH1.Y2, w.lineH1.Y1);

    tick(true);
    EXPECT_FALSE(w.lineH1.Visible || w.LineH2.Visible || w.lineV1.Visible || w.lineV2.Visible);
    EXPECT_TRUE(w.SeqH1.Visible && w.SeqH2.Visible);
    EXPECT_TRUE(w.Text7.Visible && w.Text8.Visible);
    EXPECT_FALSE(w.Text9.Visible || w.Text10.Visible);
    EXPECT_EQ(w.Text7.Text, "180");
    EXPECT_EQ(w.Text8.Text, "70");
    EXPECT_EQ(w.shownMode, 2);
}

TEST_F(DisplayMode, PlacesTheLinesAtTheTypedValues) {
    tick();
    frmMain& w = *createdWindow;
    w.Text7.Text = "254";
    w.Text9.Text = "0";
    tick();
    EXPECT_EQ(w.thresholdH1, 254);
    EXPECT_EQ(w.lineH1.Y1, 15.0588236F);  // H1 254: one step below the top
    EXPECT_EQ(w.lineV1.X1, 0);
    EXPECT_EQ(w.lineV1.X2, 0);

    w.Text7.Text = "0";
    w.Text9.Text = "254";
    tick();
    EXPECT_EQ(w.lineH1.Y1, 3840);         // H1 0: the bottom
    EXPECT_EQ(w.lineV1.X1, 3824.94116F);  // V1 254: one step left of the right edge

    const float before = w.lineH1.Y1;
    w.Text7.Text = "255";
    tick();
    EXPECT_EQ(w.thresholdH1, 0);
    EXPECT_EQ(w.lineH1.Y1, before);
    EXPECT_EQ(w.Text7.Text, "255");  // the box keeps the text as typed
}

TEST_F(DisplayMode, RoundsAcceptedTextAndIgnoresTheRest) {
    tick();
    frmMain& w = *createdWindow;
    const auto typed = [&](const char* text) {
        w.Text8.Text = text;
        tick();
        return w.thresholdH2;
    };
    EXPECT_EQ(typed("12.5"), 12);
    EXPECT_EQ(typed("13.5"), 14);
    EXPECT_EQ(typed("-0.4"), 0);
    EXPECT_EQ(typed("33"), 33);
    EXPECT_EQ(typed("letters"), 33);
    EXPECT_EQ(typed(""), 33);
    EXPECT_EQ(typed("-1"), 33);
}

TEST_F(DisplayMode, MarksARefusedBoxUntilItsTextIsAcceptedOrRefilled) {
    tick();
    frmMain& w = *createdWindow;
    EXPECT_EQ(w.Text10.toolTip, "V2, right vertical line, 0 to 254");
    w.Text10.Text = "30";
    tick();
    w.Text10.Text = "300";
    tick();
    EXPECT_TRUE(w.Text10.refused);
    EXPECT_EQ(w.Text10.toolTip, "0 to 254");
    EXPECT_EQ(w.thresholdV2, 200);  // 30 was only typed on the way to 300
    EXPECT_FALSE(w.Text9.refused);
    w.Text10.Text = "30";
    tick();
    EXPECT_FALSE(w.Text10.refused);
    EXPECT_EQ(w.Text10.toolTip,
              "V2, right vertical line, 0 to 254; the adaptor holds 200 until it is stored");

    // The mode switch refills the boxes it shows and names them after their thresholds.
    w.Text7.Text = "abc";
    tick();
    EXPECT_TRUE(w.Text7.refused);
    tick(true);
    EXPECT_FALSE(w.Text7.refused);
    EXPECT_EQ(w.Text7.accessibleDescription, "SeqH1, first sequential line, 0 to 254");
    EXPECT_EQ(w.Text8.accessibleName, "SeqH2");
}

TEST_F(DisplayMode, AStoredTwoFiftyFiveIsShownButNeverMovesItsLine) {
    bus.adaptor(adaptor).settings[5] = 255;
    bus.unplug(adaptor);
    createdWindow->Timer_Timer();
    bus.replug(adaptor);
    createdWindow->Timer_Timer();
    frmMain& w = *createdWindow;
    const float designed = w.SeqH1.Y1;
    tick(true);
    EXPECT_EQ(w.Text7.Text, "255");
    EXPECT_EQ(w.thresholdSeqH1, 255);
    EXPECT_EQ(w.SeqH1.Y1, designed);

    // Typed on the way to a refused text, 3 and 30 leave: the line goes back where it was.
    for (const char* text : {"3", "30", "300"}) {
        w.Text7.Text = text;
        tick(true);
    }
    EXPECT_EQ(w.thresholdSeqH1, 255);
    EXPECT_EQ(w.SeqH1.Y1, designed);
}

TEST_F(DisplayMode, SequentialModeLeavesTheHPatternThresholdsAndLinesAlone) {
    tick(false);
    frmMain& w = *createdWindow;
    const float v1 = w.lineV1.X1;
    const float h1 = w.lineH1.Y1;
    tick(true);
    w.Text7.Text = "100";
    w.Text8.Text = "20";
    w.Text9.Text = "5";  // hidden: not taken
    tick(true);
    EXPECT_EQ(w.thresholdSeqH1, 100);
    EXPECT_EQ(w.thresholdSeqH2, 20);
    EXPECT_EQ(w.thresholdH1, 190);
    EXPECT_EQ(w.thresholdH2, 60);
    EXPECT_EQ(w.thresholdV1, 40);
    EXPECT_EQ(w.lineV1.X1, v1);
    EXPECT_EQ(w.lineH1.Y1, h1);
    EXPECT_FALSE(w.lineV1.Visible);

    // Back in H-pattern mode the shared boxes are refilled; the hidden ones kept their text.
    tick(false);
    EXPECT_EQ(w.Text7.Text, "190");
    EXPECT_EQ(w.Text9.Text, "5");
    EXPECT_EQ(w.thresholdV1, 5);
}

TEST_F(DisplayMode, AModeChangeErasesThePlot) {
    tick(false);
    const auto erases = createdWindow->Graph.eraseCount();
    tick(false);
    EXPECT_EQ(createdWindow->Graph.eraseCount(), erases);
    tick(true);
    EXPECT_EQ(createdWindow->Graph.eraseCount(), erases + 1);
}

}  // namespace
