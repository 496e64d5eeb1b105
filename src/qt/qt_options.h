#pragma once

#include <QStringList>

// Qt's own command-line options (-style, -platform, ...), which QApplication takes
// from the command line itself.
namespace qt {

// `arguments` without Qt's options and their values; the program's name stays first
// and everything after "--" stays as it is.
QStringList withoutQtOptions(const QStringList& arguments);

}  // namespace qt
