#include "diagnosis/system_access.h"

#include "diagnosis/diagnosis_text.h"
#include "diagnosis/rooted_system.h"

namespace diagnosis {
namespace {

diagnosis::Diagnosis diagnoseThisSystem() {
    return diagnosis::diagnose(diagnosis::RootedSystem(), diagnosis::currentSession());
}

}  // namespace

std::string accessAdvice() {
    const diagnosis::Diagnosis found = diagnoseThisSystem();
    const bool explained = found.finding != diagnosis::Finding::AllWell &&
                           found.finding != diagnosis::Finding::NoAdaptor;
    return explained ? diagnosis::fixFor(found).sentence : std::string();
}

std::string accessDetails() {
    return diagnosis::diagnosisText(diagnoseThisSystem());
}

}  // namespace diagnosis
