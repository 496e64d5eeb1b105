// Fonts fall back to installed look-alikes; colours follow the palette where the
// design asks for system colours.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>

#include "gui/form/style.h"

namespace {

bool anyInstalled(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

TEST(FontFallback, ArialResolvesToAMetricCompatibleFont) {
    const QStringList acceptable{"Arial", "Liberation Sans", "Arimo"};
    if (!anyInstalled(acceptable)) {
        GTEST_SKIP() << "neither Arial nor a metric-compatible font is installed";
    }
    const QFontInfo info(gui::qtFont({"Arial", 48, 700}));
    EXPECT_TRUE(acceptable.contains(info.family(), Qt::CaseInsensitive))
        << info.family().toStdString();
    EXPECT_TRUE(info.bold());
    EXPECT_DOUBLE_EQ(info.pointSizeF(), 48.0);
}

TEST(FontFallback, MsSansSerifResolvesToACloseSansSerif) {
    const QStringList acceptable{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans",
                                 "DejaVu Sans"};
    if (!anyInstalled(acceptable)) {
        GTEST_SKIP() << "no close sans serif is installed";
    }
    const QFontInfo info(gui::qtFont({"MS Sans Serif", 9, 400}));
    EXPECT_TRUE(acceptable.contains(info.family(), Qt::CaseInsensitive))
        << info.family().toStdString();
    EXPECT_FALSE(info.bold());
    EXPECT_DOUBLE_EQ(info.pointSizeF(), 9.0);
}

TEST(FontFallback, DesignFamilyComesFirstAndFallbacksFollow) {
    QStringList families = gui::fontFamiliesFor("Arial");
    ASSERT_GE(families.size(), 2);
    EXPECT_EQ(families.front(), QStringLiteral("Arial"));
    EXPECT_TRUE(families.contains(QStringLiteral("Liberation Sans")));
    EXPECT_EQ(families.removeDuplicates(), 0);
}

TEST(FontFallback, OutOfRangeValuesGiveAUsableFont) {
    const QFont heavy = gui::qtFont({"Nonexistent Family", 0, 5000});
    EXPECT_EQ(heavy.weight(), QFont::Black);
    EXPECT_GT(heavy.pointSizeF(), 0);
    const QFont light = gui::qtFont({"", -4, -1});
    EXPECT_EQ(light.weight(), QFont::Thin);
    EXPECT_GT(QFontInfo(light).pointSizeF(), 0);
}

QPalette distinctPalette() {
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(10, 20, 30));
    palette.setColor(QPalette::Text, QColor(40, 50, 60));
    palette.setColor(QPalette::ButtonText, QColor(70, 80, 90));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(1, 1, 1));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(2, 2, 2));
    palette.setColor(QPalette::WindowText, QColor(3, 3, 3));
    return palette;
}

TEST(Colours, SystemColoursComeFromTheirPaletteRoles) {
    const QPalette palette = distinctPalette();
    using toolkit::SystemColour;
    EXPECT_EQ(gui::qtColour(toolkit::systemColour(SystemColour::WindowBackground), palette),
              QColor(10, 20, 30));
    EXPECT_EQ(gui::qtColour(toolkit::systemColour(SystemColour::WindowText), palette),
              QColor(40, 50, 60));
    EXPECT_EQ(gui::qtColour(toolkit::systemColour(SystemColour::ButtonText), palette),
              QColor(70, 80, 90));
    EXPECT_EQ(gui::qtColour(toolkit::rgb(255, 0, 7), palette), QColor(255, 0, 7));
}

TEST(Colours, FixedForegroundKeepsTheDisabledLook) {
    QPalette palette = distinctPalette();
    const QColor disabledBefore = palette.color(QPalette::Disabled, QPalette::WindowText);
    gui::setPaletteColour(palette, QPalette::WindowText, toolkit::rgb(200, 0, 0), true);
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::WindowText), QColor(200, 0, 0));
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::WindowText), QColor(200, 0, 0));
    EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::WindowText), disabledBefore);

    gui::setPaletteColour(palette, QPalette::Window, toolkit::rgb(0, 200, 0), false);
    EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::Window), QColor(0, 200, 0));
}

TEST(Colours, SystemColoursFollowEachGroupForTextButNotForBackgrounds) {
    QPalette palette = distinctPalette();
    using toolkit::SystemColour;
    gui::setPaletteColour(palette, QPalette::WindowText,
                          toolkit::systemColour(SystemColour::WindowText), true);
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::WindowText), QColor(40, 50, 60));
    EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::WindowText), QColor(2, 2, 2));

    gui::setPaletteColour(palette, QPalette::Window,
                          toolkit::systemColour(SystemColour::WindowBackground), false);
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::Window), QColor(10, 20, 30));
    EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::Window), QColor(10, 20, 30));
}

}  // namespace
