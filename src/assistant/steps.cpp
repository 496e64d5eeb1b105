#include "assistant/steps.h"

namespace assistant {

namespace {

constexpr std::array kHPatternSteps{Step::Neutral, Step::First, Step::Second, Step::Third,
                                    Step::Fourth,  Step::Fifth, Step::Sixth,  Step::Reverse};
constexpr std::array kSequentialSteps{Step::Rest, Step::Push, Step::Pull};

}  // namespace

std::span<const Step> stepsOf(Mode mode) {
    if (mode == Mode::Sequential) {
        return kSequentialSteps;
    }
    return kHPatternSteps;
}

std::string_view sentenceOf(Step step) {
    static constexpr std::array<std::string_view, kStepCount> kSentences{
        "Move the lever along neutral from far left to far right",
        "Put it in 1st and move it around in the gate",
        "Put it in 2nd and move it around in the gate",
        "Put it in 3rd and move it around in the gate",
        "Put it in 4th and move it around in the gate",
        "Put it in 5th and move it around in the gate",
        "Put it in 6th and move it around in the gate",
        "Optionally, put it in reverse and move it around in the gate",
        "Let the lever rest",
        "Push it to +",
        "Pull it to -",
    };
    return kSentences[indexOf(step)];
}

bool isOptional(Step step) {
    return step == Step::Reverse;
}

std::string_view nameOf(Step step) {
    static constexpr std::array<std::string_view, kStepCount> kNames{
        "neutral", "1st", "2nd", "3rd", "4th", "5th", "6th", "reverse", "rest", "+", "-"};
    return kNames[indexOf(step)];
}

void Recording::start(Step step) {
    current_ = step;
    records_[indexOf(step)].clear();
    reportCounts_[indexOf(step)] = 0;
    seen_.reset();
}

void Recording::record(Point point) {
    if (!current_) {
        return;
    }
    const std::size_t step = indexOf(*current_);
    ++reportCounts_[step];
    const std::size_t position = static_cast<std::size_t>(point.x) * 256 + point.y;
    if (!seen_.test(position)) {
        seen_.set(position);
        records_[step].push_back(point);
    }
}

}  // namespace assistant
