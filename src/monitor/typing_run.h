#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace monitor {

// What one threshold box has taken since its value was last settled (read, refilled,
// restored, proposed or stored), so that values accepted only on the way to a refused
// text can be taken back: typing 300 passes 3 and 30, and neither is meant.
class TypingRun {
  public:
    // A threshold and where its line lies (X of a vertical line, Y of a horizontal one).
    struct Shown {
        std::int16_t threshold;
        float line;
    };

    // The box's value was settled: the next text taken starts a new run.
    void settle();
    bool started() const { return settled_.has_value(); }
    // Starts the run at what the settled value shows.
    void start(Shown settled);
    // The box's `text` was accepted and the box now shows `shown`.
    void accept(std::string_view text, Shown shown);
    // True when `text` is the text accepted last and the box still shows what it gave:
    // taking it again would change nothing.
    bool shows(std::string_view text, Shown shown) const;
    // The box's `text` was refused. When it extends the text last accepted, gives what
    // the box showed before it was typed on the way: the newest accepted value whose
    // text the refused one does not extend, or the settled value.
    std::optional<Shown> refuse(std::string_view text) const;

  private:
    struct Accepted {
        std::string text;
        Shown shown;
    };
    // Enough for any typing; beyond it the oldest texts are forgotten.
    static constexpr std::size_t kMaxAccepted = 32;

    std::optional<Shown> settled_;
    // Texts accepted since, oldest first; none is a prefix of a newer one.
    std::vector<Accepted> accepted_;
};

}  // namespace monitor
