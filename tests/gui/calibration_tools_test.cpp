// The gear-coloured trace and the calibration assistant's window on a simulated adaptor
// whose middle gates the factory thresholds partly read as 5th. With
// SHIFTER_SCREENSHOT_DIR set, the walk-through also saves its pictures there.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "gui/assistant/gear_palette.h"
#include "gui/form/plot_widget.h"
#include "sim/assistant_lever.h"
#include "support/shown_window.h"

namespace {

using namespace std::chrono_literals;

class CalibrationToolsTest : public ShownWindowTest {
  protected:
    void SetUp() override {
        bus.runScript(plugIn(), lever.script, 125);  // reports a second, as by default
        showWindow();
    }
    std::chrono::microseconds scriptTime() const { return bus.now() % lever.script.period(); }
    // Poll ticks on the bus's clock, each delivered as the timer would.
    void tick() {
        bus.advance(10ms);
        form->deliverWork([](frmMain& window) { window.Timer_Timer(); });
    }
    void tickUntil(std::chrono::microseconds scriptAt) {
        while (scriptTime() < scriptAt) {
            tick();
        }
    }
    // Ticks until the script starts its next round.
    void finishRound() {
        tickUntil(lever.script.period() - 10ms);
        tick();
    }
    static void save(QWidget& widget, const char* name) {
        const QString folder = qEnvironmentVariable("SHIFTER_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            QCoreApplication::processEvents();  // layouts settle before the picture
            QDir().mkpath(folder);
            EXPECT_TRUE(widget.grab().save(folder + QStringLiteral("/assistant-%1.png").arg(name)));
        }
    }

    sim::AssistantLever lever = sim::assistantHPatternLever({40, 165, 215}, 3);
};

TEST_F(CalibrationToolsTest, TheViewOptionPaintsEachVisitedPointInItsGearsColour) {
    EXPECT_FALSE(tools->legend().isVisible());  // off by default
    tools->traceByGearAction().trigger();
    EXPECT_TRUE(frm->traceByGear);
    EXPECT_TRUE(tools->legend().isVisible());
    finishRound();

    auto& plot = static_cast<gui::PlotWidget&>(*form->widgetFor(frm->Graph));
    const QImage& image = plot.rasterImage();
    ASSERT_EQ(image.size(), QSize(256, 256));
    int checked = 0;
    for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 256; ++y) {
            const auto cx = static_cast<std::uint8_t>(x);
            const auto cy = static_cast<std::uint8_t>(y);
            const auto gear = frm->traceHPattern.gearAt(cx, cy);
            if (!frm->traceHPattern.isVisited(cx, cy) || !gear) {
                continue;
            }
            // The image has a pixel a point, point (x, y) at pixel (x, 255 - y); its ink
            // is a gear's, and the image shows that gear's colour.
            const int px = x;
            const int py = 255 - y;
            const std::uint8_t ink = frm->Graph.inkAt(px, py);
            ASSERT_GE(ink, protocol::kFirstGearInk);
            EXPECT_EQ(
                image.pixel(px, py),
                gui::gearColour(static_cast<protocol::Gear>(ink - protocol::kFirstGearInk)).rgb());
            ++checked;
        }
    }
    EXPECT_GT(checked, 500);

    tools->traceByGearAction().trigger();
    EXPECT_FALSE(tools->legend().isVisible());
    EXPECT_EQ(
        plot.rasterImage().pixel(plot.rasterImage().width() / 2, plot.rasterImage().height() / 2),
        plot.rasterImage().pixel(0, 0));
}

TEST_F(CalibrationToolsTest, WalkThroughProposesUsesAndStoresThresholdsThatReadRight) {
    tools->traceByGearAction().trigger();
    tools->assistantAction().trigger();
    gui::AssistantWindow* window = tools->assistantWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->model(), nullptr);
    tickUntil(1ms);
    window->refresh();
    ASSERT_EQ(window->stepTable().rowCount(), 8);  // neutral, six gears, reverse

    for (std::size_t i = 0; i < lever.steps.size(); ++i) {
        tickUntil(lever.steps[i].from);
        window->stepTable().selectRow(static_cast<int>(i));
        QTest::mouseClick(&window->recordButton(), Qt::LeftButton);
        tickUntil(lever.steps[i].to);
        window->refresh();
        EXPECT_TRUE(
            window->stepTable().item(static_cast<int>(i), 1)->text().startsWith("recording"));
        QTest::mouseClick(&window->stopButton(), Qt::LeftButton);
        EXPECT_EQ(window->stepTable().currentRow(), static_cast<int>(i) + 1);
    }
    window->refresh();
    const QString proposals = window->proposalText().text();
    EXPECT_TRUE(proposals.contains(QStringLiteral("V2 = "))) << proposals.toStdString();
    EXPECT_TRUE(proposals.contains(QStringLiteral("margin"))) << proposals.toStdString();
    // The lever wobbling across the factory V2 in the middle gate flickers there.
    EXPECT_TRUE(window->flickerText().text().contains(QStringLiteral("near V2 at X 17")))
        << window->flickerText().text().toStdString();
    EXPECT_TRUE(tools->flickerMarks().isVisible());
    EXPECT_EQ(tools->flickerMarks().places().size(), 5u);
    // Record and Stop stay where they are however many lines the proposals take.
    const QPoint record = window->recordButton().mapTo(form.get(), QPoint());
    auto& proposalLabel = const_cast<QLabel&>(window->proposalText());
    proposalLabel.setText(proposals + QStringLiteral("<br>") + proposals);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->recordButton().mapTo(form.get(), QPoint()), record);
    save(*window, "proposals");
    save(*form, "before");  // factory thresholds, with the newest flickers ringed

    QTest::mouseClick(&window->useButton(), Qt::LeftButton);
    const auto* v2Box = static_cast<QLineEdit*>(form->widgetFor(frm->Text10));
    EXPECT_EQ(v2Box->text().toStdString(), frm->Text10.Text);
    EXPECT_NE(frm->Text10.Text, "175");
    EXPECT_NE(frm->status.text().find("Update settings"), std::string::npos);
    QTest::mouseClick(static_cast<QWidget*>(form->widgetFor(frm->btnUpdate)), Qt::LeftButton);
    EXPECT_EQ(std::to_string(bus.adaptor(adaptor).settings[protocol::kAddressV2]),
              frm->Text10.Text);

    // The steps' keys: Ctrl+Down and Ctrl+Up choose, Ctrl+R records, Ctrl+T stops.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->stepTable().selectRow(0);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
        QTest::keyClick(window, key, Qt::ControlModifier);
    }
    EXPECT_EQ(window->stepTable().currentRow(), 1);
    QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
    window->refresh();
    EXPECT_TRUE(window->stepTable().item(1, 1)->text().startsWith("recording"));
    QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(window->stepTable().currentRow(), 2);
    EXPECT_TRUE(window->recordButton().toolTip().endsWith(QStringLiteral("(Ctrl+R)")));

    // Closing the assistant takes its rings off the plot.
    window->close();
    EXPECT_EQ(window->model(), nullptr);
    EXPECT_TRUE(tools->flickerMarks().places().empty());
    // Reopened, it starts over on its first step.
    tools->assistantAction().trigger();
    window->refresh();
    EXPECT_EQ(window->stepTable().currentRow(), 0);
    window->close();

    // A fresh trace after the stored values: a round of the gates, all read right.
    form->deliverWork([](frmMain& w) {
        w.traceHPattern.clear();
        w.ShowTraceByGear(true);
    });
    finishRound();
    finishRound();
    save(*form, "after");
    // The top of the middle column, once partly 5th, reads 3rd throughout.
    int thirds = 0;
    for (int x = 100; x <= 185; ++x) {
        for (int y = 200; y < 256; ++y) {
            const auto gear = frm->traceHPattern.gearAt(static_cast<std::uint8_t>(x),
                                                        static_cast<std::uint8_t>(y));
            if (gear) {
                EXPECT_EQ(*gear, protocol::Gear::Third) << x << ", " << y;
                ++thirds;
            }
        }
    }
    EXPECT_GT(thirds, 100);
}

}  // namespace
