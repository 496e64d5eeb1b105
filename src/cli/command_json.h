#pragma once

#include <QByteArray>
#include <QString>

#include "commands/commands.h"
#include "commands/setting_names.h"

// The JSON the commands read and print.
namespace cli {

// --read --json: identity and thresholds as one object.
QByteArray readResultJson(const commands::ReadResult& result);

// All six thresholds of an exported calibration, for the product it was exported from;
// a file that is refused gives the reason as the error.
commands::WriteRequest writeRequestFromFile(const QString& path);

}  // namespace cli
