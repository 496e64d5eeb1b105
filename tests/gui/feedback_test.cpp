// What the window tells the user on screen: readable in a dark scheme, refused values
// marked, the status line's notes, the keyboard, screen-reader texts and placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/assistant/gear_palette.h"
#include "gui/form/app_icon.h"
#include "gui/form/plot_widget.h"
#include "gui/form/style.h"
#include "gui/form/window_placement.h"
#include "support/shown_window.h"
#include "window/window_texts.h"

namespace {

// A scheme as dark desktops have it: light text on dark window, base and buttons.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(45, 45, 45);
    const QColor light(230, 230, 230);
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        dark.setColor(role, window);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, light);
    }
    return dark;
}

int brightnessGap(QColor a, QColor b) {
    return std::abs(qGray(a.rgb()) - qGray(b.rgb()));
}

// The contrast of a text as drawn: its background is the picture's commonest colour, its
// ink the pixel of the `ink` kind that stands out most from that.
double renderedContrast(
    const QImage& picture, const std::function<bool(QColor)>& ink = [](QColor) { return true; }) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    const auto background = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
    double most = 1;
    for (const auto& [colour, count] : counts) {
        if (ink(QColor(colour))) {
            most = std::max(most, gui::contrastRatio(QColor(colour), QColor(background)));
        }
    }
    return most;
}

class FeedbackTest : public ShownWindowTest {
  protected:
    void connect() {
        plugIn(sim::kelvoIdentity(), Settings{40, 200, 60, 190, 70, 180});
        showWindow();
    }
    QString statusText() const { return child<QLabel>("lblStatus")->text(); }
    // Queues one report and waits until the window showed it.
    void report(std::uint8_t x, std::uint8_t y, bool sequential = false) {
        bus.queueLever(adaptor, {x, y, sequential});
        ASSERT_TRUE(waitUntilShown([&] { return frm->lblX.Caption == std::to_string(x); }));
    }
};

TEST_F(FeedbackTest, ADarkSchemeKeepsTheTraceTheBoxesAndTheGearReadable) {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkPalette());
    connect();
    report(20, 230);
    const QImage plot = child<QWidget>("Graph")->grab().toImage();
    const QColor trace = plot.pixelColor(22, 27);  // where lever (20, 230) is drawn
    const QColor background = plot.pixelColor(130, 132);
    EXPECT_GT(brightnessGap(trace, background), 150);

    const QPalette box = child<QLineEdit>("Text9")->palette();
    EXPECT_GT(brightnessGap(box.color(QPalette::Text), box.color(QPalette::Base)), 150);
    const QPalette gear = child<QLabel>("Gear")->palette();
    EXPECT_GT(
        brightnessGap(gear.color(QPalette::WindowText), form->palette().color(QPalette::Window)),
        150);
    // A check box's box stands out from the window, as drawn.
    QCheckBox check;
    gui::keepIndicatorVisible(check);
    check.adjustSize();
    const QImage drawn = check.grab().toImage();
    EXPECT_GE(gui::contrastRatio(drawn.pixelColor(drawn.rect().center()),
                                 form->palette().color(QPalette::Window)),
              gui::kVisibleContrast);
    form->close();
    QApplication::setPalette(before);
}

TEST_F(FeedbackTest, InADarkSchemeBoxesWarningsStatusAndLegendReadAtLeast4And5To1) {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkPalette());
    connect();
    report(20, 230);
    tools->traceByGearAction().setChecked(true);
    tools->assistantAction().trigger();  // nothing recorded yet: every proposal warns
    auto* refused = child<QLineEdit>("Text10");
    const QFont font = refused->font();
    QTest::keyClicks(refused, QStringLiteral("x"));
    report(21, 230);
    ASSERT_TRUE(frm->Text10.refused);
    // The legend's names, right of its swatches.
    const QImage legendText =
        form->clientArea()->grab(tools->legend().geometry().adjusted(14, 0, 0, 0)).toImage();
    const std::pair<const char*, QImage> texts[] = {
        {"box", child<QLineEdit>("Text9")->grab().toImage()},
        {"refused box", refused->grab().toImage()},
        {"status line", child<QLabel>("lblStatus")->grab().toImage()},
        {"legend", legendText},
    };
    for (const auto& [name, picture] : texts) {
        EXPECT_GE(renderedContrast(picture), gui::kReadableContrast) << name;
    }
    // The warnings' own red, not the names in bold before them.
    const QImage warnings =
        tools->assistantWindow()->findChild<QLabel*>(QStringLiteral("proposals"))->grab().toImage();
    EXPECT_GE(renderedContrast(warnings, [](QColor c) { return c.red() > c.green() + 60; }),
              gui::kReadableContrast);
    EXPECT_EQ(QFontInfo(refused->font()).pointSizeF(), QFontInfo(font).pointSizeF());
    EXPECT_EQ(refused->font().family(), font.family());
    tools->assistantWindow()->close();
    form->close();
    QApplication::setPalette(before);
}

TEST_F(FeedbackTest, SequentialMinusAndPlusTraceInColoursOfTheirOwnAndTheLegendListsTheModes) {
    using protocol::Gear;
    connect();
    tools->traceByGearAction().setChecked(true);
    auto& plot = static_cast<gui::PlotWidget&>(*form->widgetFor(frm->Graph));
    const gui::GearLegend& legend = tools->legend();
    // Pulled below Seq H2 70, pushed above Seq H1 180; the raster row of each lever Y.
    const std::tuple<std::uint8_t, Gear, int> pulledAndPushed[] = {{30, Gear::Minus, 225},
                                                                   {230, Gear::Plus, 25}};
    for (const auto& [y, gear, row] : pulledAndPushed) {
        report(y == 30 ? 128 : 130, y, true);
        EXPECT_EQ(plot.rasterImage().pixel(y == 30 ? 128 : 130, row), gui::gearColour(gear).rgb())
            << int(y);
    }
    EXPECT_NE(gui::gearColour(Gear::Minus), gui::gearColour(Gear::Neutral));
    EXPECT_EQ(legend.gears(), (std::vector<Gear>{Gear::Neutral, Gear::Minus, Gear::Plus}));
    report(20, 230);
    EXPECT_EQ(legend.gears().size(), 8U);  // N, 1 to 6, R
    EXPECT_GE(legend.x(), 8);
}

TEST_F(FeedbackTest, ARefusedValueIsFramedRedUntilAValueIsAccepted) {
    connect();
    auto* box = child<QLineEdit>("Text10");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("30"));
    report(20, 230);  // a report between keystrokes takes the prefix
    QTest::keyClicks(box, QStringLiteral("0"));
    report(21, 230);
    ASSERT_TRUE(frm->Text10.refused);
    EXPECT_EQ(box->toolTip(), QStringLiteral("0 to 254"));
    const QImage look = box->grab().toImage();
    EXPECT_EQ(look.pixelColor(0, look.height() / 2), QColor(Qt::red));
    EXPECT_EQ(frm->thresholdV2, 200);  // the prefix typed on the way is taken back

    QTest::keyClick(box, Qt::Key_Backspace);
    report(22, 230);
    ASSERT_FALSE(frm->Text10.refused);
    EXPECT_NE(box->grab().toImage().pixelColor(0, look.height() / 2), QColor(Qt::red));
    EXPECT_EQ(box->toolTip(), QStringLiteral("V2, right vertical line, 0 to 254; the adaptor "
                                             "holds 200 until it is stored"));

    // 30 is not what the adaptor holds: a dashed amber frame until it is stored.
    const auto framedAmber = [box] {
        const QImage now = box->grab().toImage();
        for (int y = 0; y < now.height(); ++y) {
            if (now.pixelColor(0, y) == QColor(0xd9, 0x77, 0x06)) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(framedAmber());
    // V2 at 30 lies left of V1 at 40: that note comes first.
    EXPECT_TRUE(statusText().startsWith(QStringLiteral("V2 (30) lies left of V1 (40)")));
    EXPECT_TRUE(frm->status.hasCondition(window::Condition::UnstoredValues));
    QTest::mouseClick(child<QPushButton>("btnUpdate"), Qt::LeftButton);
    EXPECT_FALSE(framedAmber());
}

TEST_F(FeedbackTest, TheStatusLineSaysWhatWasStoredAndThatTheAdaptorIsSimulated) {
    connect();
    EXPECT_EQ(statusText(), QString::fromLatin1(window::kSimulatedStatus));
    report(20, 230);
    QTest::mouseClick(child<QPushButton>("btnUpdate"), Qt::LeftButton);
    EXPECT_EQ(statusText(), QStringLiteral("Stored in the adaptor: H1 190, H2 60, V1 40, V2 200"));

    hid.failCall(hid.callCount() + 3);  // the last of the four
    QTest::mouseClick(child<QPushButton>("btnUpdate"), Qt::LeftButton);
    EXPECT_EQ(statusText(), QStringLiteral("The adaptor did not accept 1 of 4 values; try again"));
}

TEST_F(FeedbackTest, WithoutAnAdaptorTheStatusLineSaysSoAfterASecond) {
    showWindow();
    EXPECT_TRUE(child<QLabel>("lblStatus")->isHidden());
    ASSERT_TRUE(waitUntilShown([&] { return child<QLabel>("lblStatus")->isVisible(); }, 4000));
    EXPECT_EQ(statusText(), QString::fromLatin1(window::kNoAdaptorStatus));
}

TEST_F(FeedbackTest, EnterAndKeypadEnterPressTheFocusedButton) {
    connect();
    report(20, 230);
    auto* button = child<QPushButton>("btnUpdate");
    hid.clearLog();
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(settingWrites().size(), 4U);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(settingWrites().size(), 8U);
}

TEST_F(FeedbackTest, AFocusedBoxThatHidesTakesTheFocusToNoOtherBox) {
    connect();
    report(20, 230);
    form->activateWindow();
    auto* box = child<QLineEdit>("Text10");
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    report(21, 128, true);  // sequential: Text9 and Text10 hide
    ASSERT_TRUE(box->isHidden());
    EXPECT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
}

TEST_F(FeedbackTest, ScreenReadersHearTheBoxesTheGearAndThePositionButNotTheMarks) {
    connect();
    report(128, 200);
    auto* box = child<QLineEdit>("Text9");
    EXPECT_EQ(box->accessibleName(), QStringLiteral("V1"));
    EXPECT_EQ(box->accessibleDescription(), QStringLiteral("V1, left vertical line, 0 to 254"));
    EXPECT_EQ(box->toolTip(), box->accessibleDescription());
    EXPECT_EQ(child<QLabel>("Gear")->accessibleName(),
              QStringLiteral("Gear %1").arg(child<QLabel>("Gear")->text()));
    EXPECT_EQ(child<QWidget>("Graph")->accessibleName(),
              QStringLiteral("Lever position X 128, Y 200"));
    EXPECT_EQ(child<QLabel>("lblX")->accessibleName(), QStringLiteral("Lever X 128"));
    EXPECT_EQ(child<QLabel>("lblY")->accessibleName(), QStringLiteral("Lever Y 200"));
    QAccessibleInterface* mark = QAccessible::queryAccessibleInterface(child<QWidget>("TickV1"));
    ASSERT_NE(mark, nullptr);
    EXPECT_TRUE(mark->state().invisible);
    QAccessibleInterface* plot = QAccessible::queryAccessibleInterface(child<QWidget>("Graph"));
    ASSERT_NE(plot, nullptr);
    EXPECT_FALSE(plot->state().invisible);
}

TEST(ApplicationIcon, CarriesEveryBuiltInSize) {
    const QList<QSize> sizes = gui::applicationIcon().availableSizes();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
}

TEST(WindowPlacement, TheFrameStaysWithinTheScreensFreeArea) {
    const QRect screen(0, 0, 1400, 1000);
    // Fits: centred.
    EXPECT_EQ(gui::placementWithin(QRect(0, 0, 480, 600), screen), QPoint(460, 200));
    // Taller than the area at 2x scale: the title bar stays at the top.
    EXPECT_EQ(gui::placementWithin(QRect(0, 0, 960, 1232), screen), QPoint(220, 0));
    // A panel on the left and the top: the free area starts after it.
    EXPECT_EQ(gui::placementWithin(QRect(0, 0, 1500, 1100), QRect(64, 32, 1336, 968)),
              QPoint(64, 32));
}

}  // namespace
