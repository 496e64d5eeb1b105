// Any bytes as a device's report descriptor.
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_target.h"
#include "hid/report_descriptor.h"

namespace {

// A length is 0 (no such report) or a report ID byte plus at least one data byte.
bool plausibleLength(std::uint16_t length) {
    return length == 0 || length >= 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const hid::DescriptorParse parse = hid::parseReportDescriptor({data, size});
    fuzzCheck(hid::describe(parse.error) != nullptr, "every outcome has a description");
    if (!parse.ok()) {
        fuzzCheck(parse.errorOffset <= size, "an error lies within the descriptor");
        return 0;
    }
    const hid::DescriptorSummary& summary = parse.summary;
    fuzzCheck(plausibleLength(summary.inputReportByteLength) &&
                  plausibleLength(summary.outputReportByteLength) &&
                  plausibleLength(summary.featureReportByteLength),
              "report lengths count the ID byte and some data");
    return 0;
}
