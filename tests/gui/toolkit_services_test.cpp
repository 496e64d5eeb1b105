// The toolkit services on Qt: dialogs answer as the window object expects, events are
// processed on request, and an unloaded window goes away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui/form/input_dialog.h"
#include "support/shown_window.h"
#include "support/when_modal_shows.h"

namespace {

// The services alone at first; the suites below show a window with them.
using ToolkitServicesTest = ShownWindowTest;

TEST_F(ToolkitServicesTest, InputBoxGivesTheTextOnOk) {
    std::string seenTitle;
    whenModalShows<gui::InputDialog>([&](gui::InputDialog& dialog) {
        seenTitle = dialog.windowTitle().toStdString();
        dialog.field()->setPlainText(QStringLiteral("edited"));
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(services.InputBox("Prompt", "Title", "default"), "edited");
    EXPECT_EQ(seenTitle, "Title");
}

TEST_F(ToolkitServicesTest, InputBoxGivesNothingOnCancel) {
    whenModalShows<gui::InputDialog>([](gui::InputDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);  // its one button is Close
    });
    EXPECT_EQ(services.InputBox("Prompt", "Title", "default"), "");
}

TEST_F(ToolkitServicesTest, MessageBoxShowsTitleAndPlainText) {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    whenModalShows<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        format = box.textFormat();
        box.button(QMessageBox::Ok)->click();
    });
    services.MessageBox("Update settings", "<b>nothing</b> stored");
    EXPECT_EQ(title, QStringLiteral("Update settings"));
    EXPECT_EQ(text, QStringLiteral("<b>nothing</b> stored"));
    EXPECT_EQ(format, Qt::PlainText);
}

TEST_F(ToolkitServicesTest, DoEventsRunsWhatIsPending) {
    bool ran = false;
    QObject target;
    QMetaObject::invokeMethod(
        &target, [&] { ran = true; }, Qt::QueuedConnection);
    services.DoEvents();
    EXPECT_TRUE(ran);
}

class ToolkitWithWindowTest : public ToolkitServicesTest {
  protected:
    void SetUp() override { showWindow(); }
};

TEST_F(ToolkitWithWindowTest, DoEventsFirstShowsWhatTheHandlerChanged) {
    frm->Caption = "Sending firmware";
    services.DoEvents();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Sending firmware"));
}

TEST_F(ToolkitWithWindowTest, UnloadingTheWindowClosesTheWidget) {
    ASSERT_TRUE(form->isVisible());
    frm->Unload();
    EXPECT_TRUE(frm->isUnloaded());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->pollTimer().isActive());
}

TEST_F(ToolkitWithWindowTest, DialogsBelongToTheMainWidget) {
    QWidget* parent = nullptr;
    whenModalShows<gui::InputDialog>([&](gui::InputDialog& dialog) {
        parent = dialog.parentWidget();
        dialog.reject();
    });
    services.InputBox("Prompt", "Title", "text");
    EXPECT_EQ(parent, form.get());
}

class KelvoWindowTest : public ToolkitWithWindowTest {
  protected:
    void SetUp() override {
        plugIn();
        bus.adaptor(adaptor).settingsInMemory = false;
        for (std::size_t i = 0; i < bus.adaptor(adaptor).memory.size(); ++i) {
            bus.adaptor(adaptor).memory[i] = static_cast<std::uint8_t>(i);
        }
        showWindow();
    }
};

TEST_F(KelvoWindowTest, ReadShifterMemoryShowsTheDumpReadyToCopy) {
    QString title;
    QString shown;
    QString prompt;
    whenModalShows<gui::InputDialog>([&](gui::InputDialog& dialog) {
        title = dialog.windowTitle();
        shown = dialog.field()->toPlainText();
        prompt = dialog.findChild<QLabel*>()->text();
        dialog.grab().save(QStringLiteral(SHIFTER_TEST_OUTPUT_DIR "/dump-dialog.png"));
        QTest::mouseClick(dialog.copyButton(), Qt::LeftButton);
        dialog.reject();
    });
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);

    EXPECT_EQ(title, QStringLiteral("Contents of shifter EEPROM memory"));
    EXPECT_TRUE(prompt.contains(QStringLiteral("support@example.invalid")));
    // The whole memory, label first, byte by byte as the adaptor holds it, in rows of 16.
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Kelvo:\n00: 00 01 02 03"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral(" 0F\n10: 10 11")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral(" 7E 7F")));
    // Copy copies the one line the adaptor's support reads.
    QString copied = QStringLiteral("Kelvo: ");
    for (int i = 0; i < 128; ++i) {
        copied += QStringLiteral(" %1").arg(i, 2, 16, QLatin1Char('0')).toUpper();
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
    EXPECT_FALSE(frm->isUnloaded());
}

class LoaderWindowTest : public ToolkitWithWindowTest {
  protected:
    void SetUp() override {
        plugIn(sim::loaderIdentity());
        showWindow();
    }
};

TEST_F(LoaderWindowTest, CloseDuringTheUpgradeWaitsAndTheUpgradeEndsTheProgram) {
    QPushButton* upgrade = child<QPushButton>("UpgradeFW");
    ASSERT_TRUE(upgrade->isVisible());
    ASSERT_TRUE(upgrade->isEnabled());

    // Cancel on the question sends nothing.
    whenModalShows<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
    QTest::mouseClick(upgrade, Qt::LeftButton);
    EXPECT_EQ(bus.adaptor(adaptor).firmwareChunksReceived, 0U);
    ASSERT_TRUE(upgrade->isVisible());

    // After OK, the first time the transfer lets events through, the user tries to close.
    bool closeTried = false;
    bool stillShownAfterClose = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, form.get(), [&] {
        if (!closeTried && bus.adaptor(adaptor).firmwareChunksReceived > 0) {
            closeTried = true;
            form->close();
            stillShownAfterClose = form->isVisible();
        }
    });
    closer.start(0);
    QString question;
    QString outcome;
    bool buttonHiddenBehindMessage = false;
    QString statusBehindMessage;
    QString sendCaption;
    whenModalShows<QMessageBox>([&](QMessageBox& asked) {
        question = asked.text();
        sendCaption = asked.button(QMessageBox::Ok)->text();
        whenModalShows<QMessageBox>([&](QMessageBox& box) {
            outcome = box.text();
            buttonHiddenBehindMessage = upgrade->isHidden();
            statusBehindMessage = child<QLabel>("lblStatus")->text();
            box.button(QMessageBox::Ok)->click();
        });
        asked.button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(upgrade, Qt::LeftButton);

    EXPECT_TRUE(question.contains(QStringLiteral("Keep the adaptor plugged in")));
    EXPECT_EQ(sendCaption, QStringLiteral("Send firmware"));
    EXPECT_TRUE(closeTried);
    EXPECT_TRUE(stillShownAfterClose);
    EXPECT_TRUE(outcome.contains(QStringLiteral("was sent"))) << outcome.toStdString();
    // Behind the message the window shows where the transfer ended.
    EXPECT_TRUE(buttonHiddenBehindMessage);
    EXPECT_EQ(statusBehindMessage, QStringLiteral("Sending firmware: 202 of 202"));
    EXPECT_TRUE(bus.adaptor(adaptor).firmwareComplete());
    EXPECT_TRUE(frm->isUnloaded());
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
