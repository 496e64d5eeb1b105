#include "gui/form/style.h"

#include <algorithm>
#include <optional>

namespace gui {

QStringList fontFamiliesFor(const std::string& family) {
    const QString name = QString::fromStdString(family);
    QStringList families{name};
    if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) {
        // Metric-compatible with Arial, so captions keep their designed widths.
        families << QStringLiteral("Liberation Sans") << QStringLiteral("Arimo");
    } else if (name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0) {
        families << QStringLiteral("Microsoft Sans Serif") << QStringLiteral("Liberation Sans");
    }
    families << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
    families.removeDuplicates();
    return families;
}

QFont qtFont(const toolkit::Font& font) {
    QFont result;
    result.setFamilies(fontFamiliesFor(font.family));
    result.setStyleHint(QFont::SansSerif);
    if (font.pointSize > 0 && font.pointSize < 1000) {
        result.setPointSizeF(font.pointSize);
    }
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    return result;
}

namespace {

std::optional<QPalette::ColorRole> systemRole(toolkit::SystemColour colour) {
    switch (colour) {
        case toolkit::SystemColour::WindowBackground:
            return QPalette::Base;
        case toolkit::SystemColour::WindowText:
            return QPalette::Text;
        case toolkit::SystemColour::ButtonText:
            return QPalette::ButtonText;
        case toolkit::SystemColour::None:
            break;
    }
    return std::nullopt;
}

}  // namespace

QColor qtColour(const toolkit::Colour& colour, const QPalette& palette) {
    if (const auto role = systemRole(colour.system)) {
        return palette.color(*role);
    }
    return QColor(colour.red, colour.green, colour.blue);
}

void setPaletteColour(QPalette& palette, QPalette::ColorRole role, const toolkit::Colour& colour,
                      bool foreground) {
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (const auto source = systemRole(colour.system)) {
            // A background stays as it is when the control is disabled.
            const QPalette::ColorGroup from = foreground ? group : QPalette::Active;
            palette.setColor(group, role, palette.color(from, *source));
        } else if (!foreground || group != QPalette::Disabled) {
            palette.setColor(group, role, QColor(colour.red, colour.green, colour.blue));
        }
    }
}

}  // namespace gui
