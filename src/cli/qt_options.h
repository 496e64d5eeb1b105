#pragma once

#include <QStringList>

// Qt's own command-line options (-style, -platform, ...), which QApplication takes
// from the command line itself.
namespace cli {

// `arguments` without Qt's options and their values; the program's name stays first
// and everything after "--" stays as it is.
QStringList withoutQtOptions(const QStringList& arguments);

// The value given to Qt's option `name` ("platform" for "-platform xcb"); empty when
// the option is not given.
QString qtOptionValue(const QStringList& arguments, const QString& name);

}  // namespace cli
