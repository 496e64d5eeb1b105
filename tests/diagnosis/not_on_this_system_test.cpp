// Off Linux the diagnosis looks at nothing and says so, in every place it is shown.
#include <gtest/gtest.h>

#include "diagnosis/diagnosis_text.h"
#include "system/system_access.h"

namespace {

TEST(AccessDiagnosis, SaysItIsNotMadeOnThisSystemAndAdvisesNothingInTheStatusLine) {
    const diagnosis::Diagnosis found = diagnosis::diagnoseThisSystem();
    EXPECT_EQ(found.finding, diagnosis::Finding::NotOnThisSystem);
    EXPECT_TRUE(found.nodes.empty());
    // The status line gives this system's own advice, never Linux's.
    EXPECT_EQ(diagnosis::refusalAdvice(), diagnosis::fixFor(found).sentence);
    EXPECT_EQ(diagnosis::accessDetails().rfind("Not on this system:", 0), 0U);
#ifdef _WIN32
    EXPECT_NE(diagnosis::fixFor(found).sentence.find("its own driver"), std::string::npos);
#else
    EXPECT_NE(diagnosis::fixFor(found).sentence.find("Linux only"), std::string::npos);
#endif
    EXPECT_EQ(diagnosis::refusalReason(found.finding), "the system refused to open it");
}

}  // namespace
