// The --write assignments: names in any case, values 0..255, each name once.
#include "commands/setting_names.h"

#include <gtest/gtest.h>

#include "commands/command_text.h"

namespace {

TEST(Assignments, KnownNamesInAnyCaseWithTheirAddresses) {
    const commands::ParsedAssignments parsed =
        commands::parseAssignments("V1=80, v2=175,H1=185,h2=70 ,SeqH1=180,SEQH2=0");
    ASSERT_EQ(parsed.error, "");
    const std::vector<std::pair<std::uint8_t, std::uint8_t>> expected{
        {protocol::kAddressV1, 80}, {protocol::kAddressV2, 175},    {protocol::kAddressH1, 185},
        {protocol::kAddressH2, 70}, {protocol::kAddressSeqH1, 180}, {protocol::kAddressSeqH2, 0}};
    ASSERT_EQ(parsed.assignments.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(parsed.assignments[i].address, expected[i].first) << i;
        EXPECT_EQ(parsed.assignments[i].value, expected[i].second) << i;
    }
    EXPECT_EQ(commands::parseAssignments("H2=255").assignments.at(0).value, 255);
    EXPECT_EQ(commands::parseAssignments(" Seq h2 =5").assignments.at(0).address,
              protocol::kAddressSeqH2);
    // Zero-padded decimals, however many digits, are read as decimal.
    EXPECT_EQ(commands::assignmentsText(
                  commands::parseAssignments("V1=0080,V2=080,H1=000,H2=0000255").assignments),
              "V1=80 V2=80 H1=0 H2=255");
}

TEST(Assignments, EachMistakeIsNamedAndNothingIsKept) {
    const std::pair<const char*, const char*> cases[] = {
        {"V1=256", "threshold V1 needs a whole number from 0 to 254, not '256'"},
        {"V1=-1", "threshold V1 needs a whole number from 0 to 254, not '-1'"},
        {"V1=1.5", "threshold V1 needs a whole number from 0 to 254, not '1.5'"},
        {"V1=0x10", "threshold V1 needs a whole number from 0 to 254, not '0x10'"},
        {"V1=99999999999", "threshold V1 needs a whole number from 0 to 254, not '99999999999'"},
        {"V1=00256", "threshold V1 needs a whole number from 0 to 254, not '00256'"},
        {"V1=80,V3=1", "unknown threshold 'V3'; use V1, V2, H1, H2, SeqH1, SeqH2"},
        {"V1=80,v1=81", "threshold v1 is given twice"},
        {"V1=80,,V2=1", "'' is not NAME=VALUE"},
        {"V1", "'V1' is not NAME=VALUE"},
        {"", "no threshold given; use names V1, V2, H1, H2, SeqH1, SeqH2"},
    };
    for (const auto& [text, error] : cases) {
        SCOPED_TRACE(text);
        const commands::ParsedAssignments parsed = commands::parseAssignments(text);
        EXPECT_EQ(parsed.error, error);
        EXPECT_TRUE(parsed.assignments.empty());
    }
}

}  // namespace
