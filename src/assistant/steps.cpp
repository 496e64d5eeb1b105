#include "assistant/steps.h"

#include "i18n/translate.h"

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

std::string sentenceOf(Step step) {
    static constexpr std::array<const char*, kStepCount> kSentences{
        QT_TRANSLATE_NOOP("Assistant", "Move the lever along neutral from far left to far right"),
        QT_TRANSLATE_NOOP("Assistant", "Put it in 1st and move it around in the gate"),
        QT_TRANSLATE_NOOP("Assistant", "Put it in 2nd and move it around in the gate"),
        QT_TRANSLATE_NOOP("Assistant", "Put it in 3rd and move it around in the gate"),
        QT_TRANSLATE_NOOP("Assistant", "Put it in 4th and move it around in the gate"),
        QT_TRANSLATE_NOOP("Assistant", "Put it in 5th and move it around in the gate"),
        QT_TRANSLATE_NOOP("Assistant", "Put it in 6th and move it around in the gate"),
        QT_TRANSLATE_NOOP("Assistant",
                          "Optionally, put it in reverse and move it around in the gate"),
        QT_TRANSLATE_NOOP("Assistant", "Let the lever rest"),
        QT_TRANSLATE_NOOP("Assistant", "Push it to +"),
        QT_TRANSLATE_NOOP("Assistant", "Pull it to -"),
    };
    return i18n::translate("Assistant", kSentences[indexOf(step)]);
}

bool isOptional(Step step) {
    return step == Step::Reverse;
}

std::string nameOf(Step step) {
    static constexpr std::array<const char*, kStepCount> kNames{
        QT_TRANSLATE_NOOP("Assistant", "neutral"),
        QT_TRANSLATE_NOOP("Assistant", "1st"),
        QT_TRANSLATE_NOOP("Assistant", "2nd"),
        QT_TRANSLATE_NOOP("Assistant", "3rd"),
        QT_TRANSLATE_NOOP("Assistant", "4th"),
        QT_TRANSLATE_NOOP("Assistant", "5th"),
        QT_TRANSLATE_NOOP("Assistant", "6th"),
        QT_TRANSLATE_NOOP("Assistant", "reverse"),
        QT_TRANSLATE_NOOP("Assistant", "rest"),
        "+",
        "-"};
    return i18n::translate("Assistant", kNames[indexOf(step)]);
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
