#include "monitor/threshold_text.h"

#include <charconv>
#include <cmath>
#include <string>

#include "protocol/threshold_range.h"

namespace monitor {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Whether `text` is [sign] digits [. digits] [e [sign] digits], with at least one
// digit before or after the point.
bool isPlainDecimal(std::string_view text) {
    std::size_t i = 0;
    const auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
        }
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (skipDigits() == 0) {
            return false;
        }
    }
    return i == text.size();
}

}  // namespace

std::optional<int> parseThresholdText(std::string_view text) {
    text = trimBlanks(text);
    if (!isPlainDecimal(text)) {
        return std::nullopt;
    }
    // from_chars takes no leading '+'.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    // The default rounding mode takes halves to the even neighbour.
    const double nearest = std::nearbyint(value);
    // Compared as a double before the conversion: a huge value has no int.
    if (nearest < protocol::kLowestThreshold || nearest > protocol::kHighestThreshold) {
        return std::nullopt;
    }
    return static_cast<int>(nearest);
}

}  // namespace monitor
