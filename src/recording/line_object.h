#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One line of a recording: a flat JSON object whose values are strings, whole numbers
// and booleans. Bytes are strings of hex digits.
namespace recording {

class LineWriter {
  public:
    LineWriter& add(std::string_view key, std::string_view text);
    LineWriter& add(std::string_view key, std::int64_t number);
    LineWriter& add(std::string_view key, bool flag);
    LineWriter& addHex(std::string_view key, std::span<const std::uint8_t> bytes);
    // The object and its newline.
    std::string line() const { return text_ + "}\n"; }

  private:
    void key(std::string_view name);
    std::string text_ = "{";
};

class LineObject {
  public:
    using Value = std::variant<std::string, std::int64_t, bool>;

    // Nothing when `line` is not one flat object as the writer writes them.
    static std::optional<LineObject> parse(std::string_view line);

    bool has(const std::string& key) const { return values_.count(key) != 0; }
    // Each false when the key is missing or holds another type.
    bool text(const std::string& key, std::string& out) const;
    bool number(const std::string& key, std::int64_t min, std::int64_t max,
                std::int64_t& out) const;
    bool flag(const std::string& key, bool& out) const;
    bool hex(const std::string& key, std::vector<std::uint8_t>& out) const;

  private:
    std::map<std::string, Value> values_;
};

}  // namespace recording
