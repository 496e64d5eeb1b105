// What the window holds that the adaptor does not: marked boxes, the status line's count,
// and lines that crossed.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/window_fixture.h"

namespace {

class Differences : public WindowTest {
  protected:
    frmMain& connect() {
        adaptor = bus.addAdaptor();
        bus.adaptor(adaptor).settings = {40, 200, 60, 190, 70, 180};
        loadWindow();
        tick();
        return *createdWindow;
    }
    void tick() {
        bus.queueLever(adaptor, {10, 10, false});
        createdWindow->Timer_Timer();
    }
    bool says(window::Condition condition, const std::string& text) const {
        return createdWindow->status.hasCondition(condition) &&
               createdWindow->lblStatus.Caption.find(text) != std::string::npos;
    }
    sim::DeviceId adaptor = 0;
};

TEST_F(Differences, TypingMarksTheBoxAndAStoreClearsIt) {
    frmMain& window = connect();
    EXPECT_FALSE(window.Text9.adaptorValue);
    EXPECT_FALSE(window.status.hasCondition(window::Condition::UnstoredValues));

    window.Text9.Text = "50";
    tick();
    EXPECT_EQ(window.Text9.adaptorValue, std::optional<std::int16_t>(40));
    EXPECT_NE(window.Text9.toolTip.find("the adaptor holds 40"), std::string::npos);
    EXPECT_FALSE(window.Text10.adaptorValue);
    EXPECT_TRUE(says(window::Condition::UnstoredValues,
                     "1 value is not stored in the adaptor yet; closing the window stores it"));

    // A refused write leaves the adaptor's value, and the mark, as they were.
    hid.failCall(hid.callCount() + 2);  // V1 is the third of the four
    window.btnUpdate_Click();
    EXPECT_EQ(window.Text9.adaptorValue, std::optional<std::int16_t>(40));
    window.btnUpdate_Click();
    EXPECT_FALSE(window.Text9.adaptorValue);
    EXPECT_EQ(window.Text9.toolTip, "V1, left vertical line, 0 to 254");
    EXPECT_FALSE(window.status.hasCondition(window::Condition::UnstoredValues));
}

TEST_F(Differences, ARestoreMarksEveryShownBoxAndCountsAllSix) {
    frmMain& window = connect();
    window.RestoreThresholds({11, 22, 33, 44, 55, 66}, "a test");
    for (const toolkit::TextBox* box :
         {&window.Text7, &window.Text8, &window.Text9, &window.Text10}) {
        EXPECT_TRUE(box->adaptorValue) << box->name();
    }
    tick();  // the restore's notice passes only with time; the condition stands meanwhile
    EXPECT_TRUE(window.status.hasCondition(window::Condition::UnstoredValues));
    EXPECT_NE(window.status.text().find("Restored"), std::string::npos);
    window.StoreAllSix();
    tick();
    EXPECT_FALSE(window.Text7.adaptorValue);
    EXPECT_FALSE(window.status.hasCondition(window::Condition::UnstoredValues));
}

TEST_F(Differences, CrossedLinesAreNamedWhileTheyCross) {
    frmMain& window = connect();
    window.Text9.Text = "210";  // V1 right of V2 (200)
    window.Text8.Text = "195";  // H2 above H1 (190)
    tick();
    EXPECT_EQ(window.status.text(),
              "V2 (200) lies left of V1 (210); H2 (195) lies above H1 (190): the lines have "
              "crossed");
    window.Text9.Text = "100";
    window.Text8.Text = "100";
    tick();
    EXPECT_FALSE(window.status.hasCondition(window::Condition::CrossedLines));
}

}  // namespace
