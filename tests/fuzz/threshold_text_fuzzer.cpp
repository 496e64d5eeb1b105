// Any bytes as the text of a threshold box.
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_target.h"
#include "monitor/threshold_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> value = monitor::parseThresholdText(text);
    if (value) {
        fuzzCheck(*value >= 0 && *value <= 254, "an accepted threshold is 0..254");
    }
    // Blanks around the text never change what it means.
    fuzzCheck(monitor::parseThresholdText(" \t" + text + "\t ") == value,
              "blanks around are ignored");
    return 0;
}
