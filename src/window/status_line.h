#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "window/toolkit/controls.h"

namespace window {

// Standing conditions the status line reports, most important first.
enum class Condition : std::size_t {
    AccessRefused,
    AdaptorUnreadable,
    NoAdaptor,
    WaitsForFirmware,
    CrossedLines,
    UnstoredValues,
    Simulated,
    Count
};

// The line below the buttons. A passing notice (what a click stored, a restore, a
// transfer's progress) shows for a while; otherwise the most important standing
// condition; otherwise the line is hidden and the window shrinks back.
class StatusLine {
  public:
    static constexpr int kNoticeMilliseconds = 5000;

    explicit StatusLine(toolkit::Label& label) : label_(label) { refresh(); }

    void setCondition(Condition condition, std::string text);
    void clearCondition(Condition condition);
    bool hasCondition(Condition condition) const;
    // Whether the line shows this condition now (no notice, nothing more important).
    bool shows(Condition condition) const;

    // Shows `text` for `milliseconds` of poll time, replacing any earlier notice.
    void notify(std::string text, int milliseconds = kNoticeMilliseconds);
    // Poll time passes: the poll cycle calls this once a tick with the tick's interval.
    void elapse(int milliseconds);

    const std::string& text() const { return label_.Caption; }
    // Grows whenever the line is worked out again, so a caller can tell it may have changed.
    std::uint64_t revision() const { return revision_; }

  private:
    void refresh();

    toolkit::Label& label_;
    std::array<std::string, static_cast<std::size_t>(Condition::Count)> conditions_;
    std::string notice_;
    int noticeLeft_ = 0;
    std::optional<Condition> shown_;
    std::uint64_t revision_ = 0;
};

}  // namespace window
