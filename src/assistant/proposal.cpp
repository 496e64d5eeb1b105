#include "assistant/proposal.h"

#include "i18n/translate.h"
#include "protocol/threshold_range.h"

#include <algorithm>
#include <span>

namespace assistant {

namespace {

// Two groups of gates a threshold separates: `below` lies at smaller values on its axis.
struct Gap {
    Threshold threshold;
    std::vector<Step> below;
    std::vector<Step> above;
};

struct Extreme {
    int value = 0;
    Step step{};
};

// The point of `steps` that reaches farthest up (or down) `axis`; none without records.
std::optional<Extreme> extreme(const Records& records, const std::vector<Step>& steps, Axis axis,
                               bool highest) {
    std::optional<Extreme> found;
    for (const Step step : steps) {
        for (const Point point : records[indexOf(step)]) {
            const int value = along(axis, point);
            if (!found || (highest ? value > found->value : value < found->value)) {
                found = Extreme{value, step};
            }
        }
    }
    return found;
}

// "1st", "1st and 2nd", "1st, 3rd and 5th".
std::string listOf(const std::vector<Step>& steps) {
    std::string text;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i > 0) {
            text += i + 1 == steps.size() ? i18n::translate("Assistant", " and ") : ", ";
        }
        text += nameOf(steps[i]);
    }
    return text;
}

std::string missingWarning(const Gap& gap, const Records& records) {
    std::vector<Step> missing;
    for (const std::vector<Step>* side : {&gap.below, &gap.above}) {
        for (const Step step : *side) {
            if (records[indexOf(step)].empty()) {
                missing.push_back(step);
            }
        }
    }
    if (missing.empty()) {
        return {};
    }
    return i18n::arg(i18n::translate("Assistant", "No records of %1 yet: %2 needs them"),
                     {listOf(missing), nameOf(gap.threshold)});
}

ThresholdProposal proposeFor(const Gap& gap, const Records& records) {
    ThresholdProposal proposal;
    proposal.threshold = gap.threshold;
    proposal.warning = missingWarning(gap, records);
    if (!proposal.warning.empty()) {
        return proposal;
    }
    // Neither side is empty here, so both extremes exist.
    const Extreme low = *extreme(records, gap.below, axisOf(gap.threshold), true);
    const Extreme high = *extreme(records, gap.above, axisOf(gap.threshold), false);
    const std::string lowGate = nameOf(low.step);
    const std::string highGate = nameOf(high.step);
    const std::string from = std::to_string(std::min(low.value, high.value));
    const std::string to = std::to_string(std::max(low.value, high.value));
    const char* axis = axisName(axisOf(gap.threshold));
    if (high.value <= low.value) {
        proposal.warning = i18n::arg(i18n::translate("Assistant",
                                                     "%1 and %2 overlap in %3 between %4 and %5: "
                                                     "the lever or the adaptor reads them too "
                                                     "close together"),
                                     {lowGate, highGate, axis, from, to});
        return proposal;
    }
    const int middle = std::clamp((low.value + high.value) / 2, protocol::kLowestThreshold,
                                  protocol::kHighestThreshold);
    proposal.marginBelow = middle - low.value;
    proposal.marginAbove = high.value - middle;
    if (std::min(proposal.marginBelow, proposal.marginAbove) < kMinimumMargin) {
        proposal.warning =
            i18n::arg(i18n::translate("Assistant",
                                      "%1 and %2 are only %3 apart in %4 between %5 and %6: a "
                                      "threshold there would be under %7 from one of them"),
                      {lowGate, highGate, std::to_string(high.value - low.value), axis, from, to,
                       std::to_string(kMinimumMargin)});
        return proposal;
    }
    proposal.value = middle;
    return proposal;
}

}  // namespace

std::vector<ThresholdProposal> propose(Mode mode, const Records& records) {
    using enum Step;
    static const Gap kHPattern[] = {
        {Threshold::H1, {Neutral}, {First, Third, Fifth}},
        {Threshold::H2, {Second, Fourth, Sixth}, {Neutral}},
        {Threshold::V1, {First, Second}, {Third, Fourth}},
        {Threshold::V2, {Third, Fourth}, {Fifth, Sixth}},
    };
    static const Gap kSequential[] = {
        {Threshold::SeqH1, {Rest}, {Push}},
        {Threshold::SeqH2, {Pull}, {Rest}},
    };
    std::vector<ThresholdProposal> proposals;
    for (const Gap& gap : mode == Mode::Sequential ? std::span<const Gap>(kSequential)
                                                   : std::span<const Gap>(kHPattern)) {
        proposals.push_back(proposeFor(gap, records));
    }
    return proposals;
}

std::vector<protocol::ThresholdValue> proposedValues(
    const std::vector<ThresholdProposal>& proposals) {
    std::vector<protocol::ThresholdValue> values;
    for (const ThresholdProposal& proposal : proposals) {
        if (proposal.value) {
            values.push_back({proposal.threshold, *proposal.value});
        }
    }
    return values;
}

}  // namespace assistant
