#include "window/status_line.h"

#include <gtest/gtest.h>

namespace {

using window::Condition;

TEST(StatusLine, ShowsANoticeForItsTimeThenTheMostImportantCondition) {
    toolkit::Label label{"lblStatus"};
    window::StatusLine status(label);
    EXPECT_FALSE(label.Visible);

    status.setCondition(Condition::Simulated, "simulated");
    status.setCondition(Condition::NoAdaptor, "none found");
    EXPECT_TRUE(label.Visible);
    EXPECT_EQ(label.Caption, "none found");  // the more important of the two

    EXPECT_TRUE(status.shows(Condition::NoAdaptor));
    EXPECT_FALSE(status.shows(Condition::Simulated));

    status.notify("stored", 1000);
    EXPECT_EQ(status.text(), "stored");
    EXPECT_FALSE(status.shows(Condition::NoAdaptor));  // the notice covers it
    status.elapse(500);
    EXPECT_EQ(status.text(), "stored");
    status.elapse(500);
    EXPECT_EQ(status.text(), "none found");

    status.clearCondition(Condition::NoAdaptor);
    EXPECT_EQ(status.text(), "simulated");
    status.clearCondition(Condition::Simulated);
    EXPECT_FALSE(status.shows(Condition::Simulated));
    EXPECT_FALSE(label.Visible);
    EXPECT_EQ(label.Caption, "");
}

TEST(StatusLine, ANewNoticeReplacesTheOldOneAndRestartsItsTime) {
    toolkit::Label label{"lblStatus"};
    window::StatusLine status(label);
    status.notify("first", 1000);
    status.elapse(900);
    status.notify("second", 1000);
    status.elapse(900);
    EXPECT_EQ(status.text(), "second");
    status.elapse(100);
    EXPECT_FALSE(label.Visible);
}

}  // namespace
