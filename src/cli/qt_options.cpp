#include "cli/qt_options.h"

#include <QSet>

namespace cli {
namespace {

// Options that QGuiApplication and QApplication read, with one or two dashes.
const QSet<QString>& optionsWithValue() {
    static const QSet<QString> names{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"),
        QStringLiteral("qwindowicon"),     QStringLiteral("geometry"),
        QStringLiteral("title"),           QStringLiteral("icon"),
        QStringLiteral("display"),         QStringLiteral("session"),
        QStringLiteral("style"),           QStringLiteral("stylesheet")};
    return names;
}

const QSet<QString>& optionsWithoutValue() {
    static const QSet<QString> names{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                     QStringLiteral("nograb"), QStringLiteral("dograb"),
                                     QStringLiteral("testability")};
    return names;
}

// Qt takes a value after '=' for these only.
const QSet<QString>& optionsJoinedWithValue() {
    static const QSet<QString> names{QStringLiteral("style"), QStringLiteral("stylesheet"),
                                     QStringLiteral("qmljsdebugger")};
    return names;
}

QString optionName(const QString& argument) {
    if (argument.startsWith(QLatin1String("--"))) {
        return argument.mid(2);
    }
    return argument.startsWith(QLatin1Char('-')) ? argument.mid(1) : QString();
}

}  // namespace

QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) {
            kept << arguments.mid(i);
            break;
        }
        const QString name = optionName(argument);
        if (optionsWithValue().contains(name) && i + 1 < arguments.size()) {
            ++i;  // the value goes to Qt as well
            continue;
        }
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (optionsWithoutValue().contains(name) ||
            (equals > 0 && optionsJoinedWithValue().contains(name.left(equals)))) {
            continue;
        }
        kept << argument;
    }
    return kept;
}

QString qtOptionValue(const QStringList& arguments, const QString& name) {
    for (qsizetype i = 1; i + 1 < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        if (optionName(arguments[i]) == name) {
            return arguments[i + 1];
        }
    }
    return {};
}

}  // namespace cli
