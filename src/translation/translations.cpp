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
    const bool shipped = programTranslation().load(locale, QStringLiteral("shifter-calibration"),
                                                   QStringLiteral("_"), folder);
    // Qt's texts (Cancel, the file dialog) in the language the program's came in, and
    // none in a language it does not ship: the program is then English throughout.
    if (shipped) {
        (void)qtTranslation().load(QLocale(programTranslation().language()),
                                   QStringLiteral("qtbase"), QStringLiteral("_"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    } else {
        (void)qtTranslation().load(QString());  // empties it
    }
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
