#include "gui/assistant/gear_palette.h"

#include <array>

namespace gui {

namespace {

// Paul Tol's "muted" scheme, all nine of its colours, with a mid grey for N: distinct
// in deuteranopia, protanopia and tritanopia, and dark enough on the white plot.
constexpr std::array<QRgb, protocol::kGearCount> kColours{
    qRgb(0x77, 0x77, 0x77),  // N
    qRgb(0xCC, 0x66, 0x77),  // 1 rose
    qRgb(0x33, 0x22, 0x88),  // 2 indigo
    qRgb(0x11, 0x77, 0x33),  // 3 green
    qRgb(0x99, 0x99, 0x33),  // 4 olive
    qRgb(0x88, 0xCC, 0xEE),  // 5 cyan
    qRgb(0x88, 0x22, 0x55),  // 6 wine
    qRgb(0x44, 0xAA, 0x99),  // R teal
    qRgb(0xAA, 0x44, 0x99),  // + purple
    qRgb(0xDD, 0xCC, 0x77),  // - sand
};

}  // namespace

QColor gearColour(protocol::Gear gear) {
    return QColor::fromRgb(kColours[protocol::indexOf(gear)]);
}

QString gearLegendLabel(protocol::Gear gear) {
    static const std::array<const char*, protocol::kGearCount> kLabels{"N", "1", "2", "3", "4",
                                                                       "5", "6", "R", "+", "-"};
    return QString::fromLatin1(kLabels[protocol::indexOf(gear)]);
}

QVector<QRgb> inkTable(QColor trace) {
    QVector<QRgb> table{qRgba(0, 0, 0, 0), trace.rgba()};
    table.append(QVector<QRgb>(kColours.begin(), kColours.end()));
    return table;
}

}  // namespace gui
