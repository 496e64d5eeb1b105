#include "commands/setting_names.h"

#include "i18n/translate.h"
#include "protocol/threshold_range.h"

#include <algorithm>
#include <cctype>

namespace commands {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<std::uint8_t> settingAddress(std::string_view name) {
    const protocol::ThresholdFacts* facts = protocol::thresholdNamed(name);
    return facts != nullptr ? std::optional<std::uint8_t>(facts->address) : std::nullopt;
}

std::optional<std::uint8_t> settingValue(std::string_view text) {
    text = trimmed(text);
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        return std::nullopt;
    }
    // A plain decimal, as scripts print it padded ("0080"): leading zeros count for nothing.
    const std::string_view digits =
        text.substr(std::min(text.find_first_not_of('0'), text.size() - 1));
    if (digits.size() > 3) {
        return std::nullopt;
    }
    const int value = std::stoi(std::string(digits));
    return protocol::isSettingValue(value)
               ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(value))
               : std::nullopt;
}

ParsedAssignments checkAssignments(const std::vector<std::pair<std::string, std::string>>& pairs) {
    ParsedAssignments parsed;
    const auto fail = [&](std::string error) {
        parsed.assignments.clear();
        parsed.error = std::move(error);
        return parsed;
    };
    if (pairs.empty()) {
        return fail(i18n::translate("Commands",
                                    "no threshold given; use names V1, V2, H1, H2, SeqH1, SeqH2"));
    }
    for (const auto& [rawName, valueText] : pairs) {
        const std::string name(trimmed(rawName));
        const std::optional<std::uint8_t> address = settingAddress(name);
        if (!address) {
            return fail(i18n::arg(
                i18n::translate("Commands",
                                "unknown threshold '%1'; use V1, V2, H1, H2, SeqH1, SeqH2"),
                {name}));
        }
        const std::optional<std::uint8_t> value = settingValue(valueText);
        if (!value) {
            return fail(
                i18n::arg(i18n::translate("Commands",
                                          "threshold %1 needs a whole number "
                                          "from %2, not '%3'"),
                          {name, i18n::translate("Window", protocol::kThresholdRange), valueText}));
        }
        if (std::any_of(parsed.assignments.begin(), parsed.assignments.end(),
                        [&](const Assignment& a) { return a.address == *address; })) {
            return fail(
                i18n::arg(i18n::translate("Commands", "threshold %1 is given twice"), {name}));
        }
        parsed.assignments.push_back({*address, *value});
    }
    return parsed;
}

ParsedAssignments parseAssignments(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t start = 0;
    while (start <= text.size() && !trimmed(text).empty()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string_view item = text.substr(start, end - start);
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            ParsedAssignments parsed;
            parsed.error =
                i18n::arg(i18n::translate("Commands", "'%1' is not NAME=VALUE"), {trimmed(item)});
            return parsed;
        }
        pairs.emplace_back(std::string(item.substr(0, equals)),
                           std::string(item.substr(equals + 1)));
        start = end + 1;
    }
    return checkAssignments(pairs);
}

}  // namespace commands
