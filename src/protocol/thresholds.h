#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "protocol/adaptor_protocol.h"

#include "i18n/translate.h"

// The six thresholds, described once: where the adaptor keeps each, which axis it
// splits, in which mode it counts, and the one name people and files know it by.
namespace protocol {

enum class Threshold { V1, V2, H1, H2, SeqH1, SeqH2 };
inline constexpr std::size_t kThresholdCount = 6;

enum class Axis { X, Y };

struct ThresholdFacts {
    Threshold threshold;
    SettingAddress address;
    Axis axis;  // V1 and V2 split X; the others split Y
    bool sequential;
    const char* name;  // "SeqH1": the window, the history, files and the command line
    const char* line;  // the line it moves on the plot
};

// In the order of Threshold, which is the order the commands print them in.
inline constexpr std::array<ThresholdFacts, kThresholdCount> kThresholds{{
    {Threshold::V1, kAddressV1, Axis::X, false, "V1",
     QT_TRANSLATE_NOOP("Window", "left vertical line")},
    {Threshold::V2, kAddressV2, Axis::X, false, "V2",
     QT_TRANSLATE_NOOP("Window", "right vertical line")},
    {Threshold::H1, kAddressH1, Axis::Y, false, "H1",
     QT_TRANSLATE_NOOP("Window", "upper horizontal line")},
    {Threshold::H2, kAddressH2, Axis::Y, false, "H2",
     QT_TRANSLATE_NOOP("Window", "lower horizontal line")},
    {Threshold::SeqH1, kAddressSeqH1, Axis::Y, true, "SeqH1",
     QT_TRANSLATE_NOOP("Window", "first sequential line")},
    {Threshold::SeqH2, kAddressSeqH2, Axis::Y, true, "SeqH2",
     QT_TRANSLATE_NOOP("Window", "second sequential line")},
}};

constexpr const ThresholdFacts& factsOf(Threshold threshold) {
    return kThresholds[static_cast<std::size_t>(threshold)];
}

// The threshold the adaptor keeps at `address` (0..5).
constexpr const ThresholdFacts& factsAt(std::size_t address) {
    for (const ThresholdFacts& facts : kThresholds) {
        if (facts.address == address) {
            return facts;
        }
    }
    return kThresholds[0];  // no address beyond the six reaches here
}

constexpr const char* nameOf(Threshold threshold) {
    return factsOf(threshold).name;
}

// The threshold `text` names in any case, with or without spaces, as people and older
// files write it ("SeqH1", "SEQH1", "Seq H1"); null when it names none.
constexpr const ThresholdFacts* thresholdNamed(std::string_view text) {
    const auto folded = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    for (const ThresholdFacts& facts : kThresholds) {
        const std::string_view name = facts.name;
        std::size_t at = 0;
        bool same = true;
        for (const char c : text) {
            if (c == ' ') {
                continue;
            }
            if (at == name.size() || folded(c) != folded(name[at])) {
                same = false;
                break;
            }
            ++at;
        }
        if (same && at == name.size()) {
            return &facts;
        }
    }
    return nullptr;
}

// Two lines that bound gates from either side: `low`'s value lies below `high`'s (V1
// left of V2, H2 below H1), or the lines have crossed.
struct BoundingPair {
    Threshold low;
    Threshold high;
};
inline constexpr std::array<BoundingPair, 2> kBoundingPairs{{
    {Threshold::V1, Threshold::V2},
    {Threshold::H2, Threshold::H1},
}};

// A threshold and a value for it.
struct ThresholdValue {
    Threshold threshold{};
    int value = 0;
};

// The order thresholds are stored in: a mode's by "Update settings", all six by the
// close (H1, H2, V1, V2, then SeqH1, SeqH2).
inline constexpr std::array<Threshold, kThresholdCount> kStoreOrder{
    Threshold::H1, Threshold::H2, Threshold::V1, Threshold::V2, Threshold::SeqH1, Threshold::SeqH2};

// The thresholds that count in one mode, in their store order.
constexpr std::span<const Threshold> thresholdsOfMode(bool sequential) {
    return sequential ? std::span<const Threshold>(kStoreOrder).subspan(4, 2)
                      : std::span<const Threshold>(kStoreOrder).subspan(0, 4);
}

}  // namespace protocol
