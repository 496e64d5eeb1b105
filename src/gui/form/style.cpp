#include "gui/form/style.h"

#include <algorithm>
#include <cmath>
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

namespace {

void setDesignSize(QFont& result, const toolkit::Font& font, double scale) {
    if (font.pointSize > 0 && font.pointSize < 1000 && scale > 0 && scale < 100) {
        result.setPointSizeF(font.pointSize * scale);
    }
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
}

// Relative luminance of an sRGB colour.
double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

}  // namespace

QFont qtFont(const toolkit::Font& font, double scale) {
    QFont result;
    result.setFamilies(fontFamiliesFor(font.family));
    result.setStyleHint(QFont::SansSerif);
    setDesignSize(result, font, scale);
    return result;
}

QFont windowFont(const QFont& desktop, double scale) {
    QFont result = desktop;
    setDesignSize(result, kWindowFont, scale);
    return result;
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor& wanted, const QColor& background) {
    const bool darkBackground = luminance(background) < 0.18;
    QColor colour = wanted;
    // Lightness moves in small steps towards white or black, which always reach 4.5:1.
    for (int step = 0; step < 40 && contrastRatio(colour, background) < kReadableContrast; ++step) {
        colour = darkBackground ? colour.lighter(110) : colour.darker(110);
        if (darkBackground && colour.lightness() >= 250) {
            return QColor(Qt::white);
        }
    }
    return contrastRatio(colour, background) < kReadableContrast
               ? QColor(darkBackground ? Qt::white : Qt::black)
               : colour;
}

void keepIndicatorVisible(QWidget& checkBox) {
    QPalette palette = checkBox.palette();
    if (contrastRatio(palette.color(QPalette::Base), palette.color(QPalette::Window)) >=
        kVisibleContrast) {
        return;
    }
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::gray);
    checkBox.setPalette(palette);
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
