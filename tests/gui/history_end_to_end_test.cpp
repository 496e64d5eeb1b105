// The safety net as a user meets it: a calibration read, edited, stored and closed in
// one window comes back from the History dialog of the next window over the same
// adaptor, and "Store all six" puts it back into the adaptor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <vector>

#include "cli/command_line.h"
#include "gui/calibration/history_dialog.h"
#include "gui/help/about_dialog.h"
#include "storage/calibration_json.h"
#include "support/shown_window.h"
#include "support/when_modal_shows.h"

namespace {

using history::Event;

constexpr history::Thresholds kFirst{61, 190, 77, 166, 93, 171};

QAction* item(const gui::FormWidget& form, gui::Menu menu, const char* text) {
    for (QAction* action : form.menu(menu)->actions()) {
        if (action->text() == QLatin1String(text)) {
            return action;
        }
    }
    ADD_FAILURE() << "no menu item " << text;
    return nullptr;
}

class HistoryEndToEnd : public ShownWindowTest {
  protected:
    void SetUp() override { plugIn(); }
    // A new window over the same simulated adaptor, with the history.
    void openWindow() {
        WindowSetup setup;
        setup.history = &recorder;
        showWindow(setup);
    }
    void showReport() {
        bus.queueLever(adaptor, {10, 10, false});
        form->deliverWork([](frmMain& window) { window.Timer_Timer(); });
    }
    std::vector<Event> eventsInFile() const {
        const storage::HistoryStore::Loaded loaded = store.read(kFirstIdentity());
        std::vector<Event> events;
        if (loaded.history) {
            for (const history::Entry& entry : loaded.history->entries()) {
                events.push_back(entry.event);
            }
        }
        return events;
    }
    static history::Identity kFirstIdentity() {
        return {protocol::kKelvo, "Kelvo shifter adaptor", "KV-0001234", 0x0105};
    }

    QTemporaryDir dataFolder;
    storage::HistoryStore store{dataFolder.path()};
    std::int64_t now = 1'764'770'520'000;
    storage::HistoryRecorder recorder{store, [this] { return now += 60'000; }};
};

TEST_F(HistoryEndToEnd, TheFirstReadComesBackFromTheHistoryIntoTheAdaptor) {
    bus.adaptor(adaptor).settings = kFirst;

    // First window: read, edit V1, "Update settings", close.
    openWindow();
    showReport();
    auto* text9 = static_cast<QLineEdit*>(form->widgetFor(frm->Text9));
    text9->selectAll();
    QTest::keyClicks(text9, QStringLiteral("50"));
    showReport();
    static_cast<QPushButton*>(form->widgetFor(frm->btnUpdate))->click();
    form->close();
    ASSERT_EQ(bus.adaptor(adaptor).settings[protocol::kAddressV1], 50);

    // Second window over the same adaptor.
    openWindow();
    showReport();
    EXPECT_EQ(eventsInFile(), (std::vector<Event>{Event::Read, Event::StoredByUpdate,
                                                  Event::StoredAtClose, Event::Read}));

    // History...: the oldest row is the first read; restore it.
    bool dialogSeen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = dynamic_cast<gui::HistoryDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        poll.stop();
        dialogSeen = true;
        QTableWidget* table = dialog->table();
        EXPECT_EQ(table->rowCount(), 4);
        EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("read"));
        EXPECT_EQ(table->item(3, 1)->text(), QStringLiteral("read"));
        EXPECT_EQ(table->item(3, 4)->text(), QStringLiteral("61"));  // V1 of the first read
        EXPECT_EQ(table->item(0, 4)->text(), QStringLiteral("50"));
        EXPECT_FALSE(dialog->restoreButton()->isEnabled());
        table->selectRow(3);
        dialog->grab().save(QStringLiteral(SHIFTER_TEST_OUTPUT_DIR "/history-dialog.png"));
        dialog->restoreButton()->click();
    });
    poll.start(10);
    hid.clearLog();
    item(*form, gui::Menu::Adaptor, "&History...")->trigger();
    ASSERT_TRUE(dialogSeen);
    EXPECT_EQ(frm->CurrentThresholds(), kFirst);
    EXPECT_EQ(static_cast<QLineEdit*>(form->widgetFor(frm->Text9))->text(), QStringLiteral("61"));
    EXPECT_TRUE(frm->status.text().starts_with("Restored the calibration of "));
    // Restores within a minute are named apart.
    EXPECT_NE(storage::timeText(0), storage::timeText(1000));
    for (const support::CallRecord& call : hid.log()) {
        EXPECT_NE(call.kind, support::CallKind::SetFeature);  // nothing sent yet
    }

    item(*form, gui::Menu::Adaptor, "&Store all six thresholds")->trigger();
    EXPECT_EQ(bus.adaptor(adaptor).settings, kFirst);
    EXPECT_EQ(eventsInFile().back(), Event::StoredAllSix);
}

TEST_F(HistoryEndToEnd, AdaptorItemsWaitForAnAdaptorAndFileItemsComeBeforeQuit) {
    bus.unplug(adaptor);
    openWindow();
    const QList<QAction*> file = form->menu(gui::Menu::File)->actions();
    ASSERT_EQ(file.size(), 4);
    EXPECT_EQ(file[0]->text(), QStringLiteral("&Export calibration..."));
    EXPECT_EQ(file[1]->text(), QStringLiteral("&Import calibration..."));
    EXPECT_EQ(file[3]->text(), QStringLiteral("&Quit"));
    for (QAction* action :
         {file[0], file[1], item(*form, gui::Menu::Adaptor, "&Store all six thresholds")}) {
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    }
    EXPECT_TRUE(file[3]->isEnabled());
    EXPECT_TRUE(item(*form, gui::Menu::Help, "&About")->isEnabled());
    // History works without an adaptor, and says when the data folder knows none.
    QAction* history = item(*form, gui::Menu::Adaptor, "&History...");
    EXPECT_TRUE(history->isEnabled());
    whenModalShows<QMessageBox>([](QMessageBox& box) {
        EXPECT_TRUE(box.text().startsWith(QStringLiteral("No adaptor has a history here yet")));
        box.accept();
    });
    history->trigger();

    bus.replug(adaptor);
    form->deliverWork([](frmMain& window) { window.Timer_Timer(); });
    EXPECT_TRUE(history->isEnabled());

    // Unplugged again: its history can be read and exported, but not restored from.
    bus.unplug(adaptor);
    form->deliverWork([](frmMain& window) { window.Timer_Timer(); });
    ASSERT_FALSE(frm->session.isConnected);
    whenModalShows<gui::HistoryDialog>([](gui::HistoryDialog& dialog) {
        EXPECT_EQ(dialog.table()->rowCount(), 1);
        dialog.table()->selectRow(0);
        EXPECT_FALSE(dialog.restoreButton()->isEnabled());
        EXPECT_TRUE(dialog.exportButton()->isEnabled());
        dialog.reject();
    });
    history->trigger();
}

TEST(About, NamesTheVersionsAndTheLicence) {
    const QString text = gui::aboutText(QStringLiteral("0.13.1"));
    for (const char* part :
         {cli::kProgramVersion, "hidapi 0.13.1", QT_VERSION_STR, "MIT License"}) {
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
    }
}

}  // namespace
