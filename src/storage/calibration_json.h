#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <cstdint>
#include <optional>

#include "history/entry.h"

// The calibration types as JSON, shared by the history files and the exported
// calibrations: product and version as hexadecimal text, thresholds by name, times as
// ISO 8601 in UTC. The readers give nothing, and say why, for anything out of shape.
namespace storage {

// Four upper-case hexadecimal digits: "10A0".
QString hexText(std::uint16_t number);

QJsonObject identityToJson(const history::Identity& identity);
std::optional<history::Identity> identityFromJson(const QJsonValue& value);

QJsonObject thresholdsToJson(const history::Thresholds& values);
// `problem` names the first threshold that is missing or not a whole number a setting holds.
std::optional<history::Thresholds> thresholdsFromJson(const QJsonValue& value, QString& problem);

QString eventText(history::Event event);
QJsonObject entryToJson(const history::Entry& entry);
std::optional<history::Entry> entryFromJson(const QJsonValue& value);

QString timeStamp(std::int64_t msecsSinceEpoch);
std::optional<std::int64_t> timeFromStamp(const QJsonValue& value);
// As people read it, in local time and the language of the texts, to the second, so that
// restores a minute apart are told apart: "3 December 14:02:09".
QString timeText(std::int64_t msecsSinceEpoch);

// "Kelvo shifter adaptor KV-0001234", or the product number when the adaptor gave no name.
QString adaptorText(const history::Identity& identity);

}  // namespace storage
