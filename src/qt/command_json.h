#pragma once

#include <QByteArray>
#include <QString>

#include "commands/commands.h"
#include "commands/setting_names.h"

// The JSON the commands read and write.
namespace qtui {

// --read --json: identity and thresholds as one object.
QByteArray readResultJson(const commands::ReadResult& result);

// The thresholds of a file {"format": 1, "values": {"V1": 80, ...}}, checked like
// --write's; a file that cannot be read or parsed gives the reason as the error.
commands::ParsedAssignments assignmentsFromFile(const QString& path);

}  // namespace qtui
