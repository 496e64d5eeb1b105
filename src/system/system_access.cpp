#include "system/system_access.h"

#include "diagnosis/diagnosis_text.h"

namespace diagnosis {

std::string accessAdvice() {
    const Diagnosis found = diagnoseThisSystem();
    const bool explained = found.finding != Finding::AllWell &&
                           found.finding != Finding::NoAdaptor &&
                           found.finding != Finding::NotOnThisSystem;
    return explained ? fixFor(found).sentence : std::string();
}

std::string refusalAdvice() {
    return refusalAdvice(diagnoseThisSystem());
}

std::string accessDetails() {
    return diagnosisText(diagnoseThisSystem());
}

}  // namespace diagnosis
