#include "i18n/translate.h"

namespace i18n {
namespace {

Translator installed = nullptr;
std::uint64_t changes = 0;

void replaceAll(std::string& text, std::string_view marker, const std::string& by) {
    for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker, at)) {
        text.replace(at, marker.size(), by);
        at += by.size();
    }
}

// Each "(singular|plural)" group of an English text becomes the word its count needs.
void choosePluralWords(std::string& text, bool singular) {
    for (auto open = text.find('('); open != std::string::npos; open = text.find('(', open + 1)) {
        const auto bar = text.find('|', open);
        const auto close = text.find(')', open);
        if (bar == std::string::npos || close == std::string::npos || bar > close ||
            text.find('(', open + 1) < close) {
            continue;
        }
        const std::string word = singular ? text.substr(open + 1, bar - open - 1)
                                          : text.substr(bar + 1, close - bar - 1);
        text.replace(open, close - open + 1, word);
    }
}

}  // namespace

void install(Translator translator) {
    installed = translator;
    ++changes;
}

std::uint64_t translatorChanges() {
    return changes;
}

std::string translate(const char* context, const char* text, const char* /*comment*/, int count) {
    return installed != nullptr ? installed(context, text, count) : english(text, count);
}

std::string english(const char* text, int count) {
    std::string result = text;
    if (count >= 0) {
        replaceAll(result, "%n", std::to_string(count));
        // The English text marks its plural as Qt's convention has it: "%n flicker(s)";
        // words that change whole are given as "(is|are)".
        replaceAll(result, "(s)", count == 1 ? "" : "s");
        choosePluralWords(result, count == 1);
    }
    return result;
}

void fill(std::string& text, std::string_view pattern,
          std::initializer_list<std::string_view> values) {
    text.clear();
    std::size_t plainFrom = 0;
    for (std::size_t at = pattern.find('%');
         at != std::string_view::npos && at + 1 < pattern.size(); at = pattern.find('%', at + 1)) {
        const char digit = pattern[at + 1];
        const auto index = static_cast<std::size_t>(digit - '1');
        if (digit < '1' || digit > '9' || index >= values.size()) {
            continue;
        }
        text.append(pattern.substr(plainFrom, at - plainFrom));
        text.append(values.begin()[index]);
        plainFrom = at + 2;
        ++at;
    }
    text.append(pattern.substr(plainFrom));
}

std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    fill(text, pattern, values);
    return text;
}

EnglishScope::EnglishScope() : saved_(installed) {
    installed = nullptr;
    ++changes;
}

EnglishScope::~EnglishScope() {
    installed = saved_;
    ++changes;
}

}  // namespace i18n
