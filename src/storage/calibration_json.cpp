#include "storage/calibration_json.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

#include "protocol/threshold_range.h"
#include "protocol/thresholds.h"
#include "translation/translate.h"

namespace storage {
namespace {

std::optional<std::uint16_t> fromHex4(const QJsonValue& value) {
    const QString text = value.toString();
    bool ok = false;
    const unsigned number = text.toUInt(&ok, 16);
    if (!ok || text.size() != 4) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(number);
}

// The value of `facts`' threshold under its name, or under another spelling of it
// ("SEQH1", "Seq H1") as files written by hand or by scripts have it.
QJsonValue thresholdIn(const QJsonObject& object, const protocol::ThresholdFacts& facts) {
    const QLatin1String name(facts.name);
    if (object.contains(name)) {
        return object.value(name);
    }
    for (auto entry = object.begin(); entry != object.end(); ++entry) {
        if (protocol::thresholdNamed(entry.key().toStdString()) == &facts) {
            return entry.value();
        }
    }
    return QJsonValue(QJsonValue::Undefined);
}

}  // namespace

QString hexText(std::uint16_t number) {
    return QStringLiteral("%1").arg(number, 4, 16, QLatin1Char('0')).toUpper();
}

QJsonObject identityToJson(const history::Identity& identity) {
    return {
        {QStringLiteral("productId"), hexText(identity.productId)},
        {QStringLiteral("product"), QString::fromStdString(identity.product)},
        {QStringLiteral("serialNumber"), QString::fromStdString(identity.serialNumber)},
        {QStringLiteral("version"), hexText(identity.version)},
    };
}

std::optional<history::Identity> identityFromJson(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const auto productId = fromHex4(object.value(QLatin1String("productId")));
    const auto version = fromHex4(object.value(QLatin1String("version")));
    const QJsonValue product = object.value(QLatin1String("product"));
    const QJsonValue serial = object.value(QLatin1String("serialNumber"));
    if (!productId || !version || !product.isString() || !serial.isString()) {
        return std::nullopt;
    }
    return history::Identity{*productId, product.toString().toStdString(),
                             serial.toString().toStdString(), *version};
}

QJsonObject thresholdsToJson(const history::Thresholds& values) {
    QJsonObject object;
    for (std::size_t address = 0; address < values.size(); ++address) {
        object.insert(QLatin1String(protocol::factsAt(address).name), values[address]);
    }
    return object;
}

std::optional<history::Thresholds> thresholdsFromJson(const QJsonValue& value, QString& problem) {
    if (!value.isObject()) {
        problem = translation::translate("Storage", "the thresholds are missing");
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    history::Thresholds values{};
    for (std::size_t address = 0; address < values.size(); ++address) {
        const protocol::ThresholdFacts& facts = protocol::factsAt(address);
        const QLatin1String name(facts.name);
        const QJsonValue threshold = thresholdIn(object, facts);
        if (!threshold.isDouble()) {
            problem = translation::translate("Storage", "%1 is missing or not a number").arg(name);
            return std::nullopt;
        }
        const double number = threshold.toDouble();
        if (number < protocol::kLowestThreshold || number > protocol::kHighestSettingValue ||
            number != std::floor(number)) {
            problem =
                translation::translate("Storage", "%1 is %2, not a whole number from 0 to 255")
                    .arg(name)
                    .arg(number);
            return std::nullopt;
        }
        values[address] = static_cast<std::uint8_t>(number);
    }
    return values;
}

QString eventText(history::Event event) {
    const std::string_view name = history::eventName(event);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QJsonObject entryToJson(const history::Entry& entry) {
    return {
        {QStringLiteral("time"), timeStamp(entry.time)},
        {QStringLiteral("event"), eventText(entry.event)},
        {QStringLiteral("accepted"), entry.accepted},
        {QStringLiteral("adaptor"), identityToJson(entry.adaptor)},
        {QStringLiteral("thresholds"), thresholdsToJson(entry.values)},
    };
}

std::optional<history::Entry> entryFromJson(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const auto time = timeFromStamp(object.value(QLatin1String("time")));
    const auto event =
        history::eventNamed(object.value(QLatin1String("event")).toString().toStdString());
    const QJsonValue accepted = object.value(QLatin1String("accepted"));
    const auto adaptor = identityFromJson(object.value(QLatin1String("adaptor")));
    QString problem;
    const auto values = thresholdsFromJson(object.value(QLatin1String("thresholds")), problem);
    if (!time || !event || !accepted.isBool() || !adaptor || !values) {
        return std::nullopt;
    }
    return history::Entry{*time, *adaptor, *event, *values, accepted.toBool()};
}

QString timeStamp(std::int64_t msecsSinceEpoch) {
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::UTC).toString(Qt::ISODateWithMs);
}

std::optional<std::int64_t> timeFromStamp(const QJsonValue& value) {
    const QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    if (!time.isValid()) {
        return std::nullopt;
    }
    return time.toMSecsSinceEpoch();
}

QString timeText(std::int64_t msecsSinceEpoch) {
    // The month's name in the language of the program's texts.
    const QLocale language(QLocale::system().uiLanguages().value(0));
    return language.toString(QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch),
                             QStringLiteral("d MMMM HH:mm:ss"));
}

QString adaptorText(const history::Identity& identity) {
    const QString product =
        identity.product.empty()
            ? translation::translate("Storage", "product %1").arg(hexText(identity.productId))
            : QString::fromStdString(identity.product);
    return identity.serialNumber.empty()
               ? product
               : product + QLatin1Char(' ') + QString::fromStdString(identity.serialNumber);
}

}  // namespace storage
