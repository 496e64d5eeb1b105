#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The program's texts in the user's language, without Qt. A text a user sees is written
// as `i18n::translate("Context", "English text")`: the translation tools find it by that
// call, and the front end's translator answers it. Without a translator (the tests, the
// support report) the English text is returned as written.
// Marks an English text kept in a constant for the translation tools; it is translated
// where it is shown. Spelt as Qt spells it, so the tools know it and Qt's own definition,
// where a file includes both, is the same.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace i18n {

// Answers (context, English text, count); count is -1 unless the text has a %n.
using Translator = std::string (*)(const char* context, const char* text, int count);

// The front end installs its translator once, before any window or command runs.
void install(Translator translator);

// `text` in the user's language; with a `count`, its plural form with %n filled in
// (untranslated, "(s)" is the English plural: "%n flicker(s)", and "(is|are)" a word that
// changes whole).
std::string translate(const char* context, const char* text, const char* comment = nullptr,
                      int count = -1);

// Grows whenever the translator changes (installed, or English for a while), so that a
// caller may keep a text it looked up until then.
std::uint64_t translatorChanges();

// The English text itself, with a `count`, its plural form with %n filled in: what a
// translator answers for a text its language does not have.
std::string english(const char* text, int count = -1);

// Fills %1..%9 of `pattern` with `values`, in one pass (a value's own % stays as it is).
std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values);
// The same into `text`, which keeps its storage: for a text filled again and again. No
// value may view `text` itself.
void fill(std::string& text, std::string_view pattern,
          std::initializer_list<std::string_view> values);

// While one lives, texts stay English: the support report goes to people who read English.
class EnglishScope {
  public:
    EnglishScope();
    ~EnglishScope();
    EnglishScope(const EnglishScope&) = delete;
    EnglishScope& operator=(const EnglishScope&) = delete;

  private:
    Translator saved_;
};

}  // namespace i18n
