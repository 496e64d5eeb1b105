#pragma once

#include <string>

#include "diagnosis/diagnosis.h"

// The diagnosis in words: the fix for what was found, and the full account.
namespace diagnosis {

struct Fix {
    std::string sentence;  // one sentence, for the status line
    std::string command;   // to copy into a terminal; empty when there is none
};

Fix fixFor(const Diagnosis& found);

// What the status line says while the system refuses to open the adaptor: the fix for what
// was found; when the diagnosis names no cause, what usually helps on this system.
std::string refusalAdvice(const Diagnosis& found);

// Why one node cannot be opened, in a few words ("no udev rule installed").
std::string refusalReason(Finding finding);

// Every node, rule folder, the sandbox and the session, then the fix.
std::string diagnosisText(const Diagnosis& found);

}  // namespace diagnosis
