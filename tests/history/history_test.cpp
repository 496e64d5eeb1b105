#include "history/history.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using history::Entry;
using history::Event;

Entry entry(std::int64_t time, Event event, std::uint8_t v1, std::string serial = "S1") {
    Entry made;
    made.time = time;
    made.event = event;
    made.adaptor = {0x10A0, "Kelvo", std::move(serial), 0x0105};
    made.values = {v1, 175, 70, 185, 75, 180};
    return made;
}

std::vector<std::int64_t> timesOf(const history::History& kept) {
    std::vector<std::int64_t> times;
    for (const Entry& each : kept.entries()) {
        times.push_back(each.time);
    }
    return times;
}

TEST(History, OnlyConsecutiveIdenticalReadsMergeKeepingTheFirstTime) {
    history::History kept;
    EXPECT_TRUE(kept.add(entry(1, Event::Read, 80)));
    EXPECT_FALSE(kept.add(entry(2, Event::Read, 80)));  // the same read again: merged
    kept.add(entry(3, Event::Read, 81));                // other values
    kept.add(entry(4, Event::StoredByUpdate, 81));
    kept.add(entry(5, Event::StoredByUpdate, 81));  // stores always count
    kept.add(entry(6, Event::Read, 81));            // after a store: a new read
    kept.add(entry(7, Event::Read, 81, "S2"));      // another adaptor's serial
    Entry refused = entry(8, Event::Read, 81, "S2");
    refused.accepted = false;
    kept.add(refused);
    EXPECT_EQ(timesOf(kept), (std::vector<std::int64_t>{1, 3, 4, 5, 6, 7, 8}));
}

TEST(History, KeepsTheNewestFiveHundredEntries) {
    history::History kept;
    for (std::int64_t time = 0; time < 510; ++time) {
        kept.add(entry(time, Event::StoredAtClose, 80));
    }
    ASSERT_EQ(kept.entries().size(), history::History::kMaxEntries);
    EXPECT_EQ(kept.entries().front().time, 10);
    EXPECT_EQ(kept.entries().back().time, 509);

    // A longer list given at once (a file written by hand) is cut the same way.
    std::vector<Entry> many(600, entry(0, Event::Restored, 80));
    many.back().time = 599;
    many[100].time = 100;
    const history::History loaded(many);
    ASSERT_EQ(loaded.entries().size(), history::History::kMaxEntries);
    EXPECT_EQ(loaded.entries().front().time, 100);
    EXPECT_EQ(loaded.entries().back().time, 599);
}

TEST(History, EventNamesReadBackAndUnknownNamesAreRefused) {
    for (Event event : {Event::Read, Event::StoredByUpdate, Event::StoredAtClose,
                        Event::StoredAllSix, Event::Restored}) {
        EXPECT_EQ(history::eventNamed(history::eventName(event)), event);
    }
    EXPECT_FALSE(history::eventNamed("stored"));
    EXPECT_FALSE(history::eventNamed(""));
}

}  // namespace
