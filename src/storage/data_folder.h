#pragma once

#include "i18n/translate.h"

#include <QString>

// Where the program keeps the user's data (the calibration history) and its settings
// (the window's kept place).
namespace storage {

// Told once, in the window and by the commands, when there is no data folder.
inline constexpr const char* kNoDataFolder =
    QT_TRANSLATE_NOOP("Storage",
                      "The calibration history is not kept: no home folder was found (set HOME "
                      "to an absolute path).");

// This program's data folder: on Linux and the other Unix systems but macOS, by the
// XDG base-directory rules (data_folder_xdg.cpp); elsewhere where QStandardPaths puts
// application data (data_folder_standard.cpp). Empty when there is no usable home.
QString dataFolder();
// This program's configuration folder, by the same rules.
QString configFolder();

// The XDG rule with the values it depends on: an absolute XDG_DATA_HOME or
// XDG_CONFIG_HOME (`baseHome`), else `withinHome` (".local/share", ".config") in a
// usable home, taken from HOME or else from the user's account; then `programFolder`.
// A home is usable when it is an absolute path other than the root folder, which is
// nobody's own. Empty when none is.
QString xdgFolder(const QString& baseHome, const QString& home, const QString& accountHome,
                  const QString& withinHome, const QString& programFolder);

}  // namespace storage
