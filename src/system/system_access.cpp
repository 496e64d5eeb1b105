#include "system/system_access.h"

#include "diagnosis/diagnosis_text.h"

namespace diagnosis {

std::string refusalAdvice() {
    return refusalAdvice(diagnoseThisSystem());
}

std::string accessDetails() {
    return diagnosisText(diagnoseThisSystem());
}

}  // namespace diagnosis
