#include "translation/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <string>

#include "i18n/translate.h"

namespace translation {
namespace {

QTranslator& programTranslation() {
    static QTranslator translator;
    return translator;
}

QTranslator& qtTranslation() {
    static QTranslator translator;
    return translator;
}

// The core's texts: the program's translation, or the English text where it has none
// (English itself, or no translation for the desktop's language), its plural included.
std::string translated(const char* context, const char* text, int count) {
    QString result = programTranslation().translate(context, text, nullptr, count);
    if (result.isEmpty()) {
        return i18n::english(text, count);
    }
    if (count >= 0) {
        result.replace(QLatin1String("%n"), QString::number(count));
    }
    return result.toStdString();
}

}  // namespace

void loadTranslations(const QLocale& locale, const QString& folder) {
    // The .qm files are compiled in under :/i18n (qt_add_translations).
    (void)programTranslation().load(locale, QStringLiteral("shifter-calibration"),
                                    QStringLiteral("_"), folder);
    (void)qtTranslation().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    i18n::install(translated);
}

QString qtTranslated(const char* context, const char* text) {
    const QString translated = qtTranslation().translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

void installTranslations() {
    QCoreApplication::installTranslator(&qtTranslation());
    QCoreApplication::installTranslator(&programTranslation());
}

}  // namespace translation
