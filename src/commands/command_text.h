#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/adaptor_exchanges.h"
#include "commands/setting_names.h"
#include "diagnosis/diagnosis.h"

// The texts the commands print.
namespace commands {

// The product's name as the commands print it: its model name, or what it is in the
// user's language ("USB shifter"); "unknown" for a device not ours.
std::string productName(std::uint16_t productId);

// "1.05" for 0x0105.
std::string versionNumberText(std::uint16_t versionNumber);

// "V1=80 V2=175 H1=185 H2=70 SeqH1=180 SeqH2=75"
std::string thresholdsText(const Thresholds& thresholds);

// The assigned thresholds in the order of thresholdsText: "V1=90 SeqH2=60".
std::string assignmentsText(const std::vector<Assignment>& assignments);

// Path, product, version and serial number on one line.
std::string identityLine(const AdaptorIdentity& identity);

// Path, product, manufacturer, version and serial number, one a line.
std::string identityBlock(const AdaptorIdentity& identity);

// Why no adaptor opened: the diagnosis's fix when there is one.
std::string noAdaptorText(const diagnosis::Diagnosis* access);

}  // namespace commands
