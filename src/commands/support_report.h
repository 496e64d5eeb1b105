#pragma once

#include <functional>
#include <string>

#include "diagnosis/diagnosis.h"
#include "diagnosis/system_view.h"
#include "hid/hid_layer.h"
#include "history/entry.h"

// The plain-text support report: one file with what support would otherwise ask for
// command by command.
namespace commands {

// What only the front end knows.
struct ReportFacts {
    std::string created;  // date and time
    std::string programVersion;
    std::string qtVersion;
    std::string hidapiVersion;
    bool simulated = false;
    // The system and its kernel as the toolkit names them, for where /etc/os-release and
    // /proc do not say, as on Windows.
    std::string systemName;
    std::string kernelVersion;
    // The newest entries of an adaptor's history, one a line; unset where no history
    // is kept.
    std::function<std::string(const history::Identity&)> historyTail;
};

// Versions, system, session, sandbox, the access diagnosis, then each adaptor's
// identity, thresholds, memory dump and the tail of its history.
std::string supportReport(const ReportFacts& facts, const diagnosis::SystemView& system,
                          const diagnosis::Diagnosis& access, hid::HidLayer& hid);

}  // namespace commands
