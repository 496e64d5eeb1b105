// The main widget on a simulated bus: what the widgets show, and that clicks, typing,
// ticks and the close reach the window object.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "diagnosis/diagnosis_text.h"
#include "support/shown_window.h"
#include "support/when_modal_shows.h"
#include "window/window_texts.h"

namespace {

using FormWidgetTest = ShownWindowTest;

// Thresholds unlike the factory ones, so showing them proves they were read.
constexpr std::array<std::uint8_t, protocol::kSettingCount> kStored{61, 190, 77, 166, 93, 171};

class ConnectedFormTest : public FormWidgetTest {
  protected:
    void SetUp() override {
        plugIn(sim::kelvoIdentity(), kStored);
        showWindow();
    }
};

TEST_F(ConnectedFormTest, TextBoxesShowTheStoredThresholdsAndTheTitleNamesTheProduct) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kelvo shifter interface calibration v1.5"));
    struct Expected {
        const char* box;
        std::size_t setting;
    };
    for (const Expected& expected : {Expected{"Text9", 0}, Expected{"Text10", 1},
                                     Expected{"Text7", 3}, Expected{"Text8", 2}}) {
        SCOPED_TRACE(expected.box);
        auto* edit = child<QLineEdit>(expected.box);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), QString::number(kStored[expected.setting]));
        EXPECT_TRUE(edit->isVisible());
        EXPECT_TRUE(edit->isEnabled());
    }
    EXPECT_TRUE(child<QPushButton>("btnUpdate")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("Command1")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("UpgradeFW")->isHidden());
    EXPECT_EQ(child<QLabel>("lblManuf")->text(), QStringLiteral(" Corvane"));
    EXPECT_EQ(child<QLabel>("lblProduct")->text(), QStringLiteral(" Kelvo shifter adaptor"));
}

TEST_F(ConnectedFormTest, ClickOnUpdateSettingsWritesTheThresholds) {
    hid.clearLog();
    auto* button = child<QPushButton>("btnUpdate");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);

    const auto writes = settingWrites();
    ASSERT_EQ(writes.size(), 4U);
    std::vector<std::pair<int, int>> written;
    for (const auto& report : writes) {
        written.emplace_back(report[2], report[3]);
    }
    std::sort(written.begin(), written.end());
    const std::vector<std::pair<int, int>> expected{
        {0, kStored[0]}, {1, kStored[1]}, {2, kStored[2]}, {3, kStored[3]}};
    EXPECT_EQ(written, expected);
}

TEST_F(ConnectedFormTest, TypingReachesTheTextBoxModelAndTheThresholds) {
    auto* edit = child<QLineEdit>("Text9");
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("104"));
    EXPECT_EQ(frm->Text9.Text, "104");

    // The next report shown takes the typed threshold: the same value goes out.
    bus.queueLever(adaptor, {128, 128, false});
    ASSERT_TRUE(waitUntilShown([&] { return frm->thresholdV1 == 104; }));
    hid.clearLog();
    QTest::mouseClick(child<QPushButton>("btnUpdate"), Qt::LeftButton);
    const auto writes = settingWrites();
    EXPECT_TRUE(std::any_of(writes.begin(), writes.end(), [](const auto& report) {
        return report[2] == protocol::kAddressV1 && report[3] == 104;
    }));
}

TEST_F(ConnectedFormTest, SyncLeavesAnUnchangedTextAndItsCursorAlone) {
    auto* edit = child<QLineEdit>("Text10");
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("150"));
    edit->setCursorPosition(1);
    form->syncFromModel();
    EXPECT_EQ(edit->cursorPosition(), 1);

    frm->Text10.Text = "42";
    form->syncFromModel();
    EXPECT_EQ(edit->text(), QStringLiteral("42"));
}

TEST_F(ConnectedFormTest, WidgetsArePlacedAtTwipsOverFifteen) {
    // 7130 x 8020 twips, and 660 more for the status line naming the simulated adaptor.
    EXPECT_EQ(form->clientArea()->size(), QSize(475, 579));
    EXPECT_EQ(form->clientArea()->y(), form->menu(gui::Menu::File)->parentWidget()->height());
    EXPECT_EQ(form->height(), 579 + form->clientArea()->y());
    // Every control but the timer and the six lines, at its designed twips over 15,
    // rounded: lblX is 1000 twips wide, 66.7 pixels. The ticks and lblY stand where
    // they stand before the first report.
    const std::map<std::string, QRect> placed{
        {"Command1", {344, 488, 121, 33}},
        {"btnUpdate", {160, 488, 145, 33}},
        {"Text10", {264, 144, 49, 25}},
        {"Text9", {144, 144, 49, 25}},
        {"Text8", {376, 384, 49, 25}},
        {"Text7", {376, 224, 49, 25}},
        {"UpgradeFW", {8, 488, 129, 33}},
        {"Frame1", {8, 8, 457, 121}},
        {"lblSerialNumber", {112, 96, 228, 22}},
        {"lblVersion", {112, 72, 228, 22}},
        {"lblProduct", {112, 48, 252, 22}},
        {"lblManuf", {112, 24, 252, 22}},
        {"Label2", {16, 72, 97, 19}},
        {"Label5", {16, 48, 81, 19}},
        {"Label4", {16, 24, 81, 19}},
        {"Label3", {16, 96, 121, 19}},
        {"Graph", {99, 187, 260, 260}},
        {"Gear", {376, 280, 53, 75}},
        {"TickV2", {360, 208, 11, 3}},
        {"TickV1", {88, 208, 11, 3}},
        {"TickH1", {104, 176, 3, 11}},
        {"TickH2", {104, 448, 3, 11}},
        {"lblY", {40, 312, 41, 17}},
        {"lblX", {192, 464, 67, 17}},
    };
    int widgets = 0;
    for (const toolkit::Control* control : frm->controls()) {
        QWidget* widget = form->widgetFor(*control);
        if (widget == nullptr) {
            continue;
        }
        SCOPED_TRACE(control->name());
        ++widgets;
        const auto expected = placed.find(control->name());
        ASSERT_NE(expected, placed.end());
        EXPECT_EQ(widget->geometry(), expected->second);
        QWidget* expectedParent = control->container == nullptr
                                      ? form->clientArea()
                                      : form->widgetFor(*control->container);
        EXPECT_EQ(widget->parentWidget(), expectedParent);
    }
    // Every control but the timer and the six lines has a widget.
    EXPECT_EQ(widgets, 31 - 1 - 6);
    EXPECT_EQ(child<QLabel>("lblManuf")->parentWidget(), child<QGroupBox>("Frame1"));
}

TEST_F(ConnectedFormTest, PlotShowsTheTraceOfQueuedReports) {
    // A short diagonal well away from the threshold lines.
    constexpr int kPoints = 10;
    for (int i = 0; i < kPoints; ++i) {
        bus.queueLever(adaptor, {static_cast<std::uint8_t>(20 + i),
                                 static_cast<std::uint8_t>(230 - i), false});
    }
    ASSERT_TRUE(waitUntilShown([&] { return frm->lblX.Caption == "29"; }));
    const QImage image = child<QWidget>("Graph")->grab().toImage();
    ASSERT_EQ(image.size(), QSize(260, 260));

    // Inside the 2-pixel border the 256 pixels of the plot's inside stand for 0..255, so
    // lever (20, 230) is pixel (22, 27), and so on down the diagonal.
    for (int i = 0; i < kPoints; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(qGray(image.pixel(22 + i, 27 + i)), 100);
    }
    // Between the threshold lines nothing was drawn.
    EXPECT_EQ(image.pixel(130, 132), qRgb(255, 255, 255));
    // The vertical line of setting 0 (61) crosses the empty middle in blue at x 63.
    const QRgb onLine = image.pixel(63, 132);
    const QRgb besideLine = image.pixel(62, 132);
    EXPECT_TRUE(onLine == qRgb(0, 0, 255) || besideLine == qRgb(0, 0, 255));
}

TEST_F(ConnectedFormTest, ATracePointIsOnTheScreenAfterItsTicksFrame) {
    bus.queueLever(adaptor, {20, 230, false});
    ASSERT_TRUE(waitUntilShown([&] { return frm->lblX.Caption == "20"; }));
    QWidget* plot = child<QWidget>("Graph");
    // A pixel of the plot: lever (20, 230) is (22, 27), (30, 230) is (32, 27) and so on.
    const auto onScreen = [&](int x, int y) {
        const QPoint at = plot->mapTo(form.get(), QPoint(x, y));
        // What the window system has of the window, not a fresh paint of it.
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(form->winId()).toImage();
        return qGray(screen.pixel(at)) < 100;
    };
    // Each new point shows by itself, without the rest of the plot being repainted.
    for (int i = 1; i <= 5; ++i) {
        const auto x = static_cast<std::uint8_t>(20 + 10 * i);
        bus.queueLever(adaptor, {x, 230, false});
        ASSERT_TRUE(waitUntilShown([&] { return frm->lblX.Caption == std::to_string(x); }));
        EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen(22 + 10 * i, 27); }, 5000))
            << "point " << i;
    }
    EXPECT_TRUE(onScreen(22, 27));
}

TEST_F(ConnectedFormTest, MarksAndValuesFollowTheLever) {
    bus.queueLever(adaptor, {200, 30, false});
    ASSERT_TRUE(waitUntilShown([&] { return frm->lblX.Caption == "200"; }));
    EXPECT_EQ(child<QLabel>("lblX")->text(), QStringLiteral("200"));
    EXPECT_EQ(child<QLabel>("lblY")->text(), QStringLiteral("30"));
    QWidget* tick = child<QWidget>("TickH1");
    ASSERT_NE(tick, nullptr);
    EXPECT_TRUE(tick->isVisible());
    // Under X 200: 4544 twips from the left, 303 pixels.
    EXPECT_EQ(tick->geometry(), QRect(303, 176, 3, 11));
    EXPECT_GT(tick->x(), child<QWidget>("Graph")->geometry().center().x());
    // Each readout is named just before its digits, on their line, as it moves.
    for (const char* readout : {"lblX", "lblY"}) {
        const auto* digits = child<QLabel>(readout);
        const QLabel* caption = nullptr;
        for (const QLabel* label : form->clientArea()->findChildren<QLabel*>()) {
            caption = label->text() == QLatin1String(readout + 3) ? label : caption;
        }
        ASSERT_NE(caption, nullptr) << readout;
        const int digitsLeft =
            QStyle::alignedRect(Qt::LeftToRight, digits->alignment(),
                                digits->fontMetrics().size(0, digits->text()), digits->geometry())
                .left();
        EXPECT_TRUE(caption->isVisible() && caption->y() == digits->y()) << readout;
        EXPECT_LT(caption->geometry().right(), digitsLeft) << readout;
        EXPECT_GT(caption->geometry().right(), digitsLeft - 10) << readout;
    }
}

TEST_F(ConnectedFormTest, PollTimerFollowsTheTimerModel) {
    EXPECT_TRUE(form->pollTimer().isActive());
    EXPECT_EQ(form->pollTimer().interval(), frm->Timer.Interval);
    frm->Timer.Interval = 250;
    form->syncFromModel();
    EXPECT_EQ(form->pollTimer().interval(), 250);
    frm->Timer.Enabled = false;
    form->syncFromModel();
    EXPECT_FALSE(form->pollTimer().isActive());
}

TEST_F(ConnectedFormTest, ClosingUnloadsTheWindowAndLeavesCalibrationMode) {
    hid.clearLog();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(frm->isUnloaded());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->pollTimer().isActive());
    const auto received = bus.featureReportsReceived(adaptor);
    EXPECT_TRUE(std::any_of(received.begin(), received.end(), [](const auto& report) {
        return report.size() > 2 && report[1] == protocol::kSetCalibrationMode && report[2] == 0;
    }));
    EXPECT_EQ(bus.openHandleCount(), 0U);
}

TEST_F(ConnectedFormTest, UnpluggingShowsTheDisconnectedLook) {
    bus.unplug(adaptor);
    ASSERT_TRUE(waitUntilShown([&] { return !frm->session.isConnected; }));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Corvane Shifter interface calibration v1.5"));
    EXPECT_TRUE(child<QLineEdit>("Text9")->isHidden());
    EXPECT_FALSE(child<QPushButton>("btnUpdate")->isEnabled());
}

class DisconnectedFormTest : public FormWidgetTest {
  protected:
    void SetUp() override { showWindow(); }
};

TEST_F(DisconnectedFormTest, ShowsTheDisconnectedLook) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Corvane Shifter interface calibration v1.5"));
    for (const char* name : {"Text7", "Text8", "Text9", "Text10"}) {
        SCOPED_TRACE(name);
        auto* edit = child<QLineEdit>(name);
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->isHidden());
        EXPECT_FALSE(edit->isVisible());
    }
    for (const char* name : {"TickV1", "TickV2", "TickH1", "TickH2", "lblX", "lblY"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(child<QWidget>(name)->isHidden());
    }
    EXPECT_FALSE(child<QPushButton>("btnUpdate")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("Command1")->isEnabled());
    EXPECT_FALSE(child<QGroupBox>("Frame1")->isEnabled());
    EXPECT_TRUE(child<QLabel>("Gear")->text().isEmpty());
    EXPECT_EQ(form->pollTimer().interval(), 500);
}

// While no adaptor is found, the status line offers the simulated one, until one is.
TEST_F(DisconnectedFormTest, AnAdaptorPluggedInLaterIsFoundOnATick) {
    int starts = 0;
    form->offerSimulation([&] { ++starts; });
    auto* link = child<QLabel>("simulationLink");
    ASSERT_TRUE(waitUntilShown([&] { return link->isVisible(); }));
    EXPECT_TRUE(frm->status.shows(window::Condition::NoAdaptor));
    emit link->linkActivated(QStringLiteral("link"));
    EXPECT_EQ(starts, 1);
    bus.addAdaptor(sim::miradIdentity());
    ASSERT_TRUE(waitUntilShown([&] { return frm->session.isConnected; }));
    EXPECT_TRUE(link->isHidden());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Mirad shifter interface calibration v1.5"));
    EXPECT_TRUE(child<QLineEdit>("Text9")->isVisible());
    EXPECT_EQ(child<QLineEdit>("Text9")->text(), QStringLiteral("80"));  // the factory V1
}

TEST_F(FormWidgetTest, TheStatusLineShowsBelowTheButtonsWhileTheAdaptorIsRefused) {
    const sim::DeviceId held = plugIn();
    bus.device(held).refuseOpen = true;
    WindowSetup setup;
    // Linux's advice for a refusal whose cause the diagnosis does not find.
    setup.accessAdvice = [] { return diagnosis::refusalAdvice(diagnosis::Diagnosis{}); };
    showWindow(setup);
    const int designedHeight = form->height();
    auto* status = child<QLabel>("lblStatus");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->isHidden());
    ASSERT_TRUE(waitUntilShown([&] { return status->isVisible(); }));
    EXPECT_GT(form->height(), designedHeight);
    EXPECT_GE(status->geometry().top(), child<QPushButton>("btnUpdate")->geometry().bottom());
    EXPECT_TRUE(status->text().contains(QStringLiteral("udevadm")));

    bus.device(held).refuseOpen = false;
    ASSERT_TRUE(waitUntilShown([&] { return frm->session.isConnected; }));
    EXPECT_EQ(status->text(), QString::fromLatin1(window::kSimulatedStatus));
}

TEST_F(FormWidgetTest, ADetailsLinkBesideTheRefusalShowsTheFullDiagnosis) {
    const sim::DeviceId held = plugIn();
    bus.device(held).refuseOpen = true;
    WindowSetup setup;
    setup.accessDetails = [] { return QStringLiteral("Adaptor nodes:\n  /dev/hidraw3"); };
    showWindow(setup);
    auto* link = child<QLabel>("accessDetailsLink");
    auto* status = child<QLabel>("lblStatus");
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->isHidden());
    ASSERT_TRUE(QTest::qWaitFor([&] { return link->isVisible(); }));
    // At the status line's right end, beside its text rather than over it.
    EXPECT_TRUE(status->geometry().contains(link->geometry()));
    EXPECT_GE(status->contentsRect().right(), 0);
    EXPECT_LE(status->contentsRect().right(), link->geometry().left() - status->x());

    QString shown;
    whenModalShows<QDialog>([&](QDialog& dialog) {
        shown = dialog.findChild<QPlainTextEdit*>()->toPlainText();
        dialog.reject();
    });
    emit link->linkActivated(QStringLiteral("details"));
    EXPECT_EQ(shown, QStringLiteral("Adaptor nodes:\n  /dev/hidraw3"));

    bus.device(held).refuseOpen = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return frm->session.isConnected; }));
    EXPECT_TRUE(link->isHidden());
}

TEST_F(ConnectedFormTest, TabOrderFollowsTheTabIndex) {
    // Text9 (1), Text10 (2), Text7 (3), Text8 (4), btnUpdate (5), Command1 (6).
    const char* order[] = {"Text9", "Text10", "Text7", "Text8", "btnUpdate", "Command1"};
    QWidget* widget = child<QWidget>(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus) {
            widget = widget->nextInFocusChain();
        }
        EXPECT_EQ(widget->objectName(), QString::fromLatin1(order[i]));
    }
}

// Each button's key works while a threshold box has the focus, types nothing into it,
// and is named in the button's hint; a hidden button's key does nothing.
TEST_F(ConnectedFormTest, EachButtonHasAKeyThatWorksFromATypedBox) {
    auto* box = child<QLineEdit>("Text9");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    box->setFocus();
    const QString typed = box->text();
    const struct {
        const char* button;
        Qt::Key key;
        std::size_t writes;
        const char* dialogTitle;
    } keys[] = {
        {"btnUpdate", Qt::Key_S, 4, ""},
        {"Command1", Qt::Key_M, 0, "Contents of shifter EEPROM memory"},
        {"UpgradeFW", Qt::Key_F, 0, ""},  // hidden for a Kelvo
    };
    for (const auto& [button, key, writes, dialogTitle] : keys) {
        SCOPED_TRACE(button);
        hid.clearLog();
        QString shownTitle;
        QTimer::singleShot(300, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shownTitle = modal->windowTitle();
                modal->close();
            }
        });
        QTest::keyClick(box, key, Qt::ControlModifier);
        QTest::qWait(400);
        EXPECT_EQ(settingWrites().size(), writes);
        EXPECT_EQ(shownTitle, QString::fromLatin1(dialogTitle));
        EXPECT_EQ(box->text(), typed);
        EXPECT_TRUE(child<QPushButton>(button)->toolTip().endsWith(
            QStringLiteral(" (Ctrl+%1)").arg(QChar(key))))
            << child<QPushButton>(button)->toolTip().toStdString();
    }
}

}  // namespace
