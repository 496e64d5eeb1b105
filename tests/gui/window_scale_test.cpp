// The window at any size: the design scales uniformly and centred, the plot stays
// crisp with the live position marked, and the window and the assistant open inside a
// small screen's free area.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>

#include "gui/form/plot_widget.h"
#include "gui/form/twips.h"
#include "gui/form/window_memory.h"
#include "gui/form/window_placement.h"
#include "storage/window_state.h"
#include "support/shown_window.h"

namespace {

// The first row, from the top, where a frame's line crosses a column just inside its
// right border.
int frameLineTop(QWidget& frame) {
    const QImage image = frame.grab().toImage();
    const int x = image.width() - 4;
    int y = 1;
    while (y < image.height() && image.pixelColor(x, y) == image.pixelColor(x, 0)) {
        ++y;
    }
    return y;
}

class WindowScaleTest : public ShownWindowTest {
  protected:
    void SetUp() override {
        plugIn();
        showWindow();
    }
    // The design's size at 1x: 7130 x 8020 twips and the status line's 660.
    const QSize one{475, 579};
};

TEST_F(WindowScaleTest, TheDesignScalesUniformlyCentredBelowTheMenuBar) {
    const int menu = form->menuHeight();
    ASSERT_EQ(form->clientArea()->size(), one);
    const QFont boxFont = child<QLineEdit>("Text9")->font();
    const QMenuBar* bar = form->findChild<QMenuBar*>();
    const double menuPoints = bar->font().pointSizeF();
    // A box marked, or once marked (the frame is a style sheet), follows the scale too.
    form->deliverWork([](frmMain& window) { window.Text9.refused = true; });
    struct Case {
        QSize window;
        double scale;
    };
    const Case cases[] = {
        {{one.width() * 2, one.height() * 2 + menu}, 2},
        {{one.width() * 4, one.height() * 3 + menu}, 3},  // wide: centred across
        {{one.width() * 2, one.height() * 3 + menu}, 2},  // tall: centred down
        {{100, 100}, storage::kMinimumWindowScale},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        form->setMinimumSize(0, 0);
        form->resize(c.window);
        ASSERT_EQ(form->size(), c.window);
        EXPECT_DOUBLE_EQ(form->scale(), c.scale);
        const QRect client = form->clientArea()->geometry();
        EXPECT_EQ(client.size(), QSize(static_cast<int>(std::lround(one.width() * c.scale)),
                                       static_cast<int>(std::lround(one.height() * c.scale))));
        if (form->width() > client.width()) {
            EXPECT_LE(std::abs(client.center().x() - form->rect().center().x()), 1);
        }
        if (form->height() - menu > client.height()) {
            EXPECT_LE(std::abs(client.center().y() - (menu + form->rect().bottom()) / 2), 1);
        }
        EXPECT_EQ(form->widgetFor(frm->Graph)->geometry(), gui::pixelGeometry(frm->Graph, c.scale));
        EXPECT_DOUBLE_EQ(child<QLineEdit>("Text9")->font().pointSizeF(),
                         boxFont.pointSizeF() * c.scale);
        // The menu bar shrinks with a shrunk design, and grows no larger than designed.
        EXPECT_DOUBLE_EQ(bar->font().pointSizeF(), menuPoints * std::min(c.scale, 1.0));
        // The Information frame's line runs through its title and above the rows it holds.
        QWidget& frame = *form->widgetFor(frm->Frame1);
        EXPECT_LT(frameLineTop(frame), form->widgetFor(frm->lblManuf)->y());
        EXPECT_NEAR(frameLineTop(frame), frame.fontMetrics().height() / 2.0,
                    frame.fontMetrics().height() / 4.0);
        form->deliverWork([](frmMain& window) { window.Text9.refused = !window.Text9.refused; });
    }
}

TEST_F(WindowScaleTest, AtTwiceTheSizeTracePenAndMarkerScaleAndTheMarkerIsOverTheTrace) {
    form->resize(form->sizeAtScale(2));
    bus.queueLever(adaptor, {128, 128, false});
    ASSERT_TRUE(waitUntilShown([&] { return frm->lblX.Caption == "128"; }));
    auto* plot = static_cast<gui::PlotWidget*>(form->widgetFor(frm->Graph));
    const QImage image = plot->grab().toImage();
    // The pen of 2 design pixels is a square of 4 pixels, under the marker's centre.
    const QPoint centre = plot->markerArea().center();
    EXPECT_EQ(image.pixelColor(centre), QColor(Qt::black));
    const QRect pen = QRect(centre, QSize(1, 1)).adjusted(-4, -4, 4, 4);
    int black = 0;
    for (int y = pen.top(); y <= pen.bottom(); ++y) {
        for (int x = pen.left(); x <= pen.right(); ++x) {
            black += image.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
        }
    }
    EXPECT_EQ(black, 16);
    // The red ring at its scaled radius of 10 pixels.
    EXPECT_EQ(image.pixelColor(centre + QPoint(10, 0)).red(), 255);
    EXPECT_LT(image.pixelColor(centre + QPoint(10, 0)).green(), 100);
}

TEST_F(WindowScaleTest, OnA1024By600ScreenAt2xTheWindowOpensSmallerAndInside) {
    // 1024 x 600 device pixels at scale 2, less a panel of 80
    const QRect available(0, 0, 512, 260);
    gui::fitInto(*form, available);
    EXPECT_LT(form->scale(), 1);
    EXPECT_GE(form->scale(), storage::kMinimumWindowScale);
    EXPECT_LT(form->height(), available.height());
    const QRect frame(gui::placementWithin(QRect(QPoint(), form->size()), available), form->size());
    EXPECT_TRUE(available.contains(frame));
    // Wider than the shrunk design, so that the menu bar shows its last menu.
    const QMenuBar* bar = form->findChild<QMenuBar*>();
    EXPECT_TRUE(
        bar->rect().contains(bar->actionGeometry(form->menu(gui::Menu::Help)->menuAction())));
    // On a large screen it opens at the design's size.
    gui::fitInto(*form, QRect(0, 0, 1280, 1024));
    EXPECT_DOUBLE_EQ(form->scale(), 1);
}

TEST_F(WindowScaleTest, SizeAndViewChoicesComeBackFromTheFileTheCallerChose) {
    QTemporaryDir folder;
    storage::WindowStateFile file(folder.filePath(QStringLiteral("window.json")));
    gui::WindowMemory memory(file);
    EXPECT_FALSE(memory.restore(*form));  // nothing kept yet
    form->resize(form->sizeAtScale(0.8));
    tools->traceByGearAction().setChecked(true);
    memory.save(*form);

    showWindow();
    ASSERT_FALSE(frm->traceByGear);
    ASSERT_TRUE(memory.restore(*form));
    EXPECT_EQ(form->size(), form->sizeAtScale(0.8));
    EXPECT_TRUE(frm->traceByGear);

    // A size kept on a larger screen comes back inside this one's free area.
    form->resize(form->sizeAtScale(storage::kMaximumWindowScale));
    memory.save(*form);
    ASSERT_TRUE(memory.restore(*form));
    const QSize room = form->screen()->availableGeometry().size() - gui::frameAllowance(*form);
    EXPECT_TRUE(room.expandedTo(form->size()) == room) << form->width() << "x" << form->height();
}

TEST_F(WindowScaleTest, TheAssistantsPanelWidensTheWindowBesideTheDesignWithinTheScreen) {
    bus.queueLever(adaptor, {128, 128, false});
    form->deliverWork([](frmMain& window) { window.Timer_Timer(); });
    form->activateWindow();  // the panel's Escape acts where it has the focus
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const QRect available = form->screen()->availableGeometry();
    const int room = available.width() - gui::frameAllowance(*form).width();
    const int height = form->sizeAtScale(1).height();
    struct Case {
        QSize window;
        bool designKeepsItsPlace;
    };
    const Case cases[] = {
        {{one.width(), height}, true},      // the compact panel in the room left
        {{one.width() / 2, height}, true},  // the whole panel
        {{room, height}, false},            // no room: the design makes room for it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window.width());
        form->resize(c.window);
        const QSize before = form->size();
        const QRect design = form->clientArea()->geometry();
        tools->assistantAction().trigger();
        const QRect panel = tools->assistantWindow()->geometry();
        EXPECT_LE(form->width(), room);
        EXPECT_EQ(panel.right(), form->width() - 1);
        EXPECT_GE(panel.left(), form->clientArea()->geometry().right());
        EXPECT_GE(panel.width(), tools->assistantWindow()->minimumSizeHint().width());
        EXPECT_EQ(form->clientArea()->geometry() == design, c.designKeepsItsPlace);
        // Escape closes it, and the window is as before.
        QTest::keyClick(&tools->assistantWindow()->stepTable(), Qt::Key_Escape);
        EXPECT_FALSE(tools->assistantWindow()->isVisible());
        EXPECT_EQ(form->size(), before);
        EXPECT_EQ(form->clientArea()->geometry(), design);
    }
    // Closed with the panel open, the window is kept without it.
    const QSize without = form->size();
    tools->assistantAction().trigger();
    form->close();
    EXPECT_EQ(form->size(), without);
}

}  // namespace
