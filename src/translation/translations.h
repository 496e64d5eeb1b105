#pragma once

#include <QLocale>
#include <QString>

// The program in the desktop's language (QLocale::system(): LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG): its own translation, compiled in, and Qt's for its standard buttons and dialogs.
namespace translation {

// Loads the program's translation for `locale`, and Qt's in that language only when the
// program ships it, and answers the core's texts from them from now on. Called
// once, before the command line is read; English needs no file and loads none. The
// program's own come from `folder` (the compiled-in ones unless given).
void loadTranslations(const QLocale& locale = QLocale::system(),
                      const QString& folder = QStringLiteral(":/i18n"));

// Qt's own translation of one of its texts that Qt shows before the application exists
// and so leaves untranslated (the command line's "Options:").
QString qtTranslated(const char* context, const char* text);

// Hands the loaded translations to the application, for the texts Qt code translates
// (tr()); called once the application object exists.
void installTranslations();

}  // namespace translation
