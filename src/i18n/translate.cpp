#include "i18n/translate.h"

#include <vector>

namespace i18n {
namespace {

Translator installed = nullptr;

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

std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> given(values);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9';
        const std::size_t index = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (marker && index < given.size()) {
            text += given[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

EnglishScope::EnglishScope() : saved_(installed) {
    installed = nullptr;
}

EnglishScope::~EnglishScope() {
    installed = saved_;
}

}  // namespace i18n
