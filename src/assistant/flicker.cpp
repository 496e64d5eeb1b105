#include "assistant/flicker.h"

#include "i18n/translate.h"

#include <cstdlib>

namespace assistant {

namespace {

// A lever buzzing at a boundary for a minute stays within this many records.
constexpr std::size_t kMaxKept = 10'000;

}  // namespace

void FlickerCounter::observe(Gear gear, Point place, std::int64_t nowMilliseconds) {
    if (current_ == gear) {
        return;
    }
    if (current_ && previous_ == gear && nowMilliseconds - changedAt_ <= kComeBack) {
        flickers_.push_back({nowMilliseconds, changedAtPlace_});
        forgetBefore(nowMilliseconds);
        if (flickers_.size() > kMaxKept) {
            flickers_.pop_front();
        }
    }
    previous_ = current_;
    current_ = gear;
    changedAt_ = nowMilliseconds;
    changedAtPlace_ = place;
}

const std::deque<Flicker>& FlickerCounter::recent(std::int64_t nowMilliseconds) {
    forgetBefore(nowMilliseconds);
    return flickers_;
}

void FlickerCounter::forgetBefore(std::int64_t nowMilliseconds) {
    while (!flickers_.empty() && nowMilliseconds - flickers_.front().atMilliseconds > kWindow) {
        flickers_.pop_front();
    }
}

std::string flickerSummary(const std::deque<Flicker>& flickers,
                           std::span<const ThresholdAt> thresholds) {
    if (flickers.empty()) {
        return i18n::translate("Assistant", "No flickers in the last minute");
    }
    const int count = static_cast<int>(flickers.size());
    const Point place = flickers.back().place;
    const ThresholdAt* nearest = nullptr;
    for (const ThresholdAt& candidate : thresholds) {
        const auto distance = [place](const ThresholdAt& at) {
            return std::abs(along(axisOf(at.threshold), place) - at.value);
        };
        if (nearest == nullptr || distance(candidate) < distance(*nearest)) {
            nearest = &candidate;
        }
    }
    if (nearest == nullptr) {
        return i18n::translate("Assistant", "%n flicker(s) in the last minute", nullptr, count);
    }
    const Axis axis = axisOf(nearest->threshold);
    return i18n::arg(
        i18n::translate("Assistant", "%n flicker(s) near %1 at %2 %3 in the last minute", nullptr,
                        count),
        {nameOf(nearest->threshold), axisName(axis), std::to_string(along(axis, place))});
}

}  // namespace assistant
