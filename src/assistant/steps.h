#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The assistant's steps and what the lever did during each.
namespace assistant {

enum class Mode { HPattern, Sequential };

enum class Step {
    Neutral,
    First,
    Second,
    Third,
    Fourth,
    Fifth,
    Sixth,
    Reverse,
    Rest,
    Push,
    Pull,
};
inline constexpr std::size_t kStepCount = 11;

constexpr std::size_t indexOf(Step step) {
    return static_cast<std::size_t>(step);
}

// The steps of a mode in the order the user takes them.
std::span<const Step> stepsOf(Mode mode);
// What the user does in a step, one sentence.
std::string sentenceOf(Step step);
// A step whose records the proposals can do without.
bool isOptional(Step step);
// The gate's name in warnings: "1st", "neutral", "rest", "+".
std::string nameOf(Step step);

struct Point {
    std::uint8_t x = 0;
    std::uint8_t y = 0;
    bool operator==(const Point&) const = default;
};

// The distinct positions recorded in each step.
using Records = std::array<std::vector<Point>, kStepCount>;

// A step is current from its start to its stop; the positions of the reports shown
// meanwhile are its records. Starting a step again redoes it from nothing.
class Recording {
  public:
    void start(Step step);
    void stop() { current_.reset(); }
    std::optional<Step> current() const { return current_; }

    // A displayed report's position; kept when a step is current.
    void record(Point point);

    const Records& records() const { return records_; }
    // Reports recorded in `step`, repeats of a position included.
    std::uint64_t reportCount(Step step) const { return reportCounts_[indexOf(step)]; }

  private:
    static constexpr std::size_t kPositions = 256 * 256;

    std::optional<Step> current_;
    Records records_;
    std::array<std::uint64_t, kStepCount> reportCounts_{};
    // Positions already in the current step's records, so a held lever costs no memory.
    std::bitset<kPositions> seen_;
};

}  // namespace assistant
