#pragma once

#include <QColor>
#include <QString>
#include <QVector>

#include "protocol/gear.h"

// The colours of the gear-coloured trace: one fixed palette of ten that people with
// any common colour-vision deficiency can tell apart.
namespace gui {

QColor gearColour(protocol::Gear gear);
// "N", "1" ... "6", "R", "+", "-": as the legend names the colours.
QString gearLegendLabel(protocol::Gear gear);

// A picture box's ink table: transparent, then `trace` for ink 1, then the gears.
QVector<QRgb> inkTable(QColor trace);

}  // namespace gui
