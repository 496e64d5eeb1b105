#include "recording/line_object.h"

#include <limits>

namespace recording {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads the JSON tokens of a flat object, one at a time.
class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool take(char c) {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool atEnd() {
        skipSpace();
        return at_ == text_.size();
    }
    bool string(std::string& out) {
        if (!take('"')) {
            return false;
        }
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            if (c != '\\') {
                out += c;
            } else if (!escape(out)) {
                return false;
            }
        }
        return false;
    }
    bool value(LineObject::Value& out) {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == '"') {
            std::string text;
            if (!string(text)) {
                return false;
            }
            out = std::move(text);
            return true;
        }
        if (word("true")) {
            out = true;
            return true;
        }
        if (word("false")) {
            out = false;
            return true;
        }
        return number(out);
    }

  private:
    void skipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) {
            ++at_;
        }
    }
    bool word(std::string_view w) {
        if (text_.substr(at_, w.size()) != w) {
            return false;
        }
        at_ += w.size();
        return true;
    }
    // Only the escapes the writer writes, and \u00XX for the control characters.
    bool escape(std::string& out) {
        if (at_ >= text_.size()) {
            return false;
        }
        const char c = text_[at_++];
        if (c == '"' || c == '\\' || c == '/') {
            out += c;
            return true;
        }
        if (c != 'u' || at_ + 4 > text_.size() || text_.substr(at_, 2) != "00") {
            return false;
        }
        const int high = hexValue(text_[at_ + 2]);
        const int low = hexValue(text_[at_ + 3]);
        if (high < 0 || low < 0) {
            return false;
        }
        out += static_cast<char>(high * 16 + low);
        at_ += 4;
        return true;
    }
    bool number(LineObject::Value& out) {
        const bool negative = take('-');
        std::uint64_t magnitude = 0;
        const std::size_t first = at_;
        constexpr std::uint64_t kMax = std::numeric_limits<std::int64_t>::max();
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            const auto digit = static_cast<std::uint64_t>(text_[at_++] - '0');
            if (magnitude > (kMax - digit) / 10) {
                return false;
            }
            magnitude = magnitude * 10 + digit;
        }
        if (at_ == first) {
            return false;
        }
        const auto signedValue = static_cast<std::int64_t>(magnitude);
        out = negative ? -signedValue : signedValue;
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

void LineWriter::key(std::string_view name) {
    if (text_.size() > 1) {
        text_ += ',';
    }
    appendQuoted(text_, name);
    text_ += ':';
}

LineWriter& LineWriter::add(std::string_view name, std::string_view text) {
    key(name);
    appendQuoted(text_, text);
    return *this;
}

LineWriter& LineWriter::add(std::string_view name, std::int64_t number) {
    key(name);
    text_ += std::to_string(number);
    return *this;
}

LineWriter& LineWriter::add(std::string_view name, bool flag) {
    key(name);
    text_ += flag ? "true" : "false";
    return *this;
}

LineWriter& LineWriter::addHex(std::string_view name, std::span<const std::uint8_t> bytes) {
    key(name);
    text_ += '"';
    for (const std::uint8_t byte : bytes) {
        text_ += kHexDigits[byte >> 4];
        text_ += kHexDigits[byte & 0xF];
    }
    text_ += '"';
    return *this;
}

std::optional<LineObject> LineObject::parse(std::string_view line) {
    Scanner scanner(line);
    LineObject object;
    if (!scanner.take('{')) {
        return std::nullopt;
    }
    if (!scanner.take('}')) {
        do {
            std::string key;
            Value value;
            if (!scanner.string(key) || !scanner.take(':') || !scanner.value(value) ||
                !object.values_.emplace(std::move(key), std::move(value)).second) {
                return std::nullopt;
            }
        } while (scanner.take(','));
        if (!scanner.take('}')) {
            return std::nullopt;
        }
    }
    if (!scanner.atEnd()) {
        return std::nullopt;
    }
    return object;
}

bool LineObject::text(const std::string& key, std::string& out) const {
    const auto found = values_.find(key);
    if (found == values_.end() || !std::holds_alternative<std::string>(found->second)) {
        return false;
    }
    out = std::get<std::string>(found->second);
    return true;
}

bool LineObject::number(const std::string& key, std::int64_t min, std::int64_t max,
                        std::int64_t& out) const {
    const auto found = values_.find(key);
    if (found == values_.end() || !std::holds_alternative<std::int64_t>(found->second)) {
        return false;
    }
    const std::int64_t value = std::get<std::int64_t>(found->second);
    if (value < min || value > max) {
        return false;
    }
    out = value;
    return true;
}

bool LineObject::flag(const std::string& key, bool& out) const {
    const auto found = values_.find(key);
    if (found == values_.end() || !std::holds_alternative<bool>(found->second)) {
        return false;
    }
    out = std::get<bool>(found->second);
    return true;
}

bool LineObject::hex(const std::string& key, std::vector<std::uint8_t>& out) const {
    std::string digits;
    if (!text(key, digits) || digits.size() % 2 != 0) {
        return false;
    }
    out.clear();
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = hexValue(digits[i]);
        const int low = hexValue(digits[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        out.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return true;
}

}  // namespace recording
