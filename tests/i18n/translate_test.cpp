#include <gtest/gtest.h>

#include "i18n/translate.h"

namespace {

TEST(Arg, FillsEachNumberedPlaceOnceAndLeavesTheRest) {
    struct Case {
        const char* pattern;
        std::initializer_list<std::string_view> values;
        const char* filled;
    };
    for (const Case& c :
         {Case{"%1 of %2", {"3", "6"}, "3 of 6"}, Case{"%2 before %1", {"a", "b"}, "b before a"},
          Case{"%1 stays %1", {"V1"}, "V1 stays V1"},
          Case{"%1 and %2", {"%2", "x"}, "%2 and x"},  // a value is not a pattern
          Case{"%1 of %3", {"1"}, "1 of %3"}, Case{"100%", {"1"}, "100%"},
          Case{"%%1%2%", {"a", "b"}, "%ab%"}}) {
        EXPECT_EQ(i18n::arg(c.pattern, c.values), c.filled) << c.pattern;
    }
}

TEST(Translate, WithoutATranslatorACountPicksTheEnglishWords) {
    struct Case {
        const char* text;
        int count;
        const char* english;
    };
    for (const Case& c :
         {Case{"%n value(s) (is|are) stored (it|them)", 1, "1 value is stored it"},
          Case{"%n value(s) (is|are) stored (it|them)", 2, "2 values are stored them"},
          Case{"%n (a (b|c)", 0, "0 (a c"},  // an unclosed group is text
          Case{"%n (a|b", 1, "1 (a|b"}}) {
        EXPECT_EQ(i18n::translate("T", c.text, nullptr, c.count), c.english) << c.text;
    }
}

TEST(Translate, AnEnglishScopeTellsTheTranslatorChangedOnEntryAndExit) {
    const std::uint64_t before = i18n::translatorChanges();
    {
        const i18n::EnglishScope english;
        EXPECT_GT(i18n::translatorChanges(), before);
    }
    EXPECT_GT(i18n::translatorChanges(), before + 1);
}

}  // namespace
