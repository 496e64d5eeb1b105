#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace {

using toolkit::ControlKind;

struct DesignRow {
    const char* name;
    ControlKind kind;
    const char* container;  // empty: the window
    float left, top, width, height;
    int tabIndex;
};

// The designed controls in creation order; shapes and the timer have no tab index.
const std::vector<DesignRow> kDesign = {
    {"Command1", ControlKind::CommandButton, "", 5160, 7320, 1815, 495, 6},
    {"btnUpdate", ControlKind::CommandButton, "", 2400, 7320, 2175, 495, 5},
    {"Text10", ControlKind::TextBox, "", 3960, 2160, 735, 375, 2},
    {"Text9", ControlKind::TextBox, "", 2160, 2160, 735, 375, 1},
    {"Text8", ControlKind::TextBox, "", 5640, 5760, 735, 375, 4},
    {"Text7", ControlKind::TextBox, "", 5640, 3360, 735, 375, 3},
    {"UpgradeFW", ControlKind::CommandButton, "", 120, 7320, 1935, 495, 15},
    {"Timer", ControlKind::Timer, "", 0, 0, 0, 0, -1},
    {"Frame1", ControlKind::Frame, "", 120, 120, 6855, 1815, 0},
    {"lblSerialNumber", ControlKind::Label, "Frame1", 1680, 1440, 3420, 330, 14},
    {"lblVersion", ControlKind::Label, "Frame1", 1680, 1080, 3420, 330, 13},
    {"lblProduct", ControlKind::Label, "Frame1", 1680, 720, 3780, 330, 12},
    {"lblManuf", ControlKind::Label, "Frame1", 1680, 360, 3780, 330, 11},
    {"Label2", ControlKind::Label, "Frame1", 240, 1080, 1455, 285, 10},
    {"Label5", ControlKind::Label, "Frame1", 240, 720, 1215, 285, 9},
    {"Label4", ControlKind::Label, "Frame1", 240, 360, 1215, 285, 8},
    {"Label3", ControlKind::Label, "Frame1", 240, 1440, 1815, 285, 7},
    {"Graph", ControlKind::PictureBox, "", 1485, 2805, 3900, 3900, 16},
    {"SeqH2", ControlKind::LineShape, "Graph", 0, 0, 0, 0, -1},
    {"SeqH1", ControlKind::LineShape, "Graph", 0, 0, 0, 0, -1},
    {"LineH2", ControlKind::LineShape, "Graph", 0, 0, 0, 0, -1},
    {"lineH1", ControlKind::LineShape, "Graph", 0, 0, 0, 0, -1},
    {"lineV2", ControlKind::LineShape, "Graph", 0, 0, 0, 0, -1},
    {"lineV1", ControlKind::LineShape, "Graph", 0, 0, 0, 0, -1},
    {"Gear", ControlKind::Label, "", 5640, 4200, 795, 1125, 19},
    {"TickV2", ControlKind::RectangleShape, "", 5400, 3120, 165, 45, -1},
    {"TickV1", ControlKind::RectangleShape, "", 1320, 3120, 165, 45, -1},
    {"TickH1", ControlKind::RectangleShape, "", 1560, 2640, 45, 165, -1},
    {"TickH2", ControlKind::RectangleShape, "", 1560, 6720, 45, 165, -1},
    {"lblY", ControlKind::Label, "", 600, 4680, 615, 255, 18},
    {"lblX", ControlKind::Label, "", 2880, 6960, 1000, 255, 17},
};

class Layout : public WindowTest {};

TEST_F(Layout, CreatesTheThirtyOneControlsInDesignOrder) {
    frmMain& window = createWindow();
    const auto& controls = window.controls();
    ASSERT_EQ(controls.size(), kDesign.size());
    for (std::size_t i = 0; i < kDesign.size(); ++i) {
        const DesignRow& row = kDesign[i];
        const toolkit::Control& control = *controls[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(control.name(), row.name);
        EXPECT_EQ(control.kind(), row.kind);
        EXPECT_EQ(control.container ? control.container->name() : std::string(), row.container);
        if (row.kind != ControlKind::LineShape && row.kind != ControlKind::Timer) {
            EXPECT_EQ(control.Left, row.left);
            EXPECT_EQ(control.Top, row.top);
            EXPECT_EQ(control.Width, row.width);
            EXPECT_EQ(control.Height, row.height);
        }
        EXPECT_EQ(control.TabIndex, row.tabIndex);
    }
}

TEST_F(Layout, StartsInTheDesignState) {
    frmMain& window = createWindow();
    EXPECT_EQ(window.Caption, "Corvane Shifter interface calibration v1.5");
    for (const toolkit::TextBox* box :
         {&window.Text7, &window.Text8, &window.Text9, &window.Text10}) {
        EXPECT_EQ(box->Text, "0");
    }
    EXPECT_EQ(window.lblX.Caption, "000");
    EXPECT_EQ(window.lblY.Caption, "000");
    EXPECT_EQ(window.Gear.Caption, "1");
    for (const toolkit::Label* value :
         {&window.lblManuf, &window.lblProduct, &window.lblVersion, &window.lblSerialNumber}) {
        EXPECT_TRUE(value->Caption.empty());
    }
    // No tick can come before the load: the timer is created disabled.
    EXPECT_FALSE(window.Timer.Enabled);
    EXPECT_EQ(window.Timer.Interval, 50);
    EXPECT_FALSE(window.UpgradeFW.Enabled);
    EXPECT_FALSE(window.UpgradeFW.Visible);
    for (const toolkit::Control* greyed : std::initializer_list<const toolkit::Control*>{
             &window.Frame1, &window.Label2, &window.Label3, &window.Label4, &window.Label5}) {
        EXPECT_FALSE(greyed->Enabled) << greyed->name();
        EXPECT_TRUE(greyed->Visible) << greyed->name();
    }
}

TEST_F(Layout, PlotHasAnInnerAreaOf3840TwipsAndATwoPixelPen) {
    frmMain& window = createWindow();
    EXPECT_EQ(window.Graph.ScaleWidth(), 3840);
    EXPECT_EQ(window.Graph.ScaleHeight(), 3840);
    EXPECT_EQ(window.Graph.DrawWidth, 2);
    EXPECT_EQ(window.Graph.rasterWidth(), 256);
    EXPECT_EQ(window.Graph.backColour, toolkit::rgb(255, 255, 255));
}

TEST_F(Layout, LinesStartAtTheirDesignPositionsShortOfThePlotsEdges) {
    frmMain& window = createWindow();
    struct Expected {
        const toolkit::LineShape& line;
        float x1, y1, x2, y2;
        toolkit::Colour colour;
    };
    const toolkit::Colour green = toolkit::rgb(0, 128, 0);
    const toolkit::Colour blue = toolkit::rgb(0, 0, 255);
    for (const Expected& e : {Expected{window.SeqH2, 0, 1680, 2560, 1680, green},
                              Expected{window.SeqH1, 0, 1360, 2560, 1360, green},
                              Expected{window.LineH2, 0, 1840, 2560, 1840, blue},
                              Expected{window.lineH1, 0, 960, 2560, 960, blue},
                              Expected{window.lineV2, 1120, 0, 1120, 2560, blue},
                              Expected{window.lineV1, 480, 0, 480, 2560, blue}}) {
        SCOPED_TRACE(e.line.name());
        EXPECT_EQ(e.line.X1, e.x1);
        EXPECT_EQ(e.line.Y1, e.y1);
        EXPECT_EQ(e.line.X2, e.x2);
        EXPECT_EQ(e.line.Y2, e.y2);
        EXPECT_EQ(e.line.foreColour, e.colour);
        EXPECT_EQ(e.line.BorderWidth, 2);
    }
}

TEST_F(Layout, FontsAndAlignmentFollowTheDesign) {
    frmMain& window = createWindow();
    EXPECT_EQ(window.btnUpdate.font, (toolkit::Font{"MS Sans Serif", 9, 700}));
    EXPECT_EQ(window.UpgradeFW.font, (toolkit::Font{"MS Sans Serif", 9, 400}));
    EXPECT_EQ(window.Gear.font, (toolkit::Font{"Arial", 48, 700}));
    EXPECT_FALSE(window.Command1.font.has_value());
    EXPECT_FALSE(window.lblX.font.has_value());
    EXPECT_EQ(window.Gear.alignment, toolkit::Alignment::Centre);
    EXPECT_EQ(window.lblX.alignment, toolkit::Alignment::Centre);
    EXPECT_EQ(window.lblY.alignment, toolkit::Alignment::Right);
    EXPECT_EQ(window.lblManuf.alignment, toolkit::Alignment::Left);
    EXPECT_EQ(window.TickV1.foreColour, toolkit::rgb(255, 0, 0));
}

}  // namespace
