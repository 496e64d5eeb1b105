// Help > Record a session for support...: started, the recording takes every call from
// then on after the connection's own, anonymous if asked; stopped, it can be saved.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "gui/help/support_recording_dialog.h"
#include "recording/recording_text.h"
#include "support/shown_window.h"
#include "support/when_modal_shows.h"

namespace {

class SupportRecording : public ShownWindowTest {};

TEST_F(SupportRecording, StartsStopsAndHoldsWhatCameBetween) {
    plugIn();
    showWindow();
    recording::RecordingOptions idle;
    idle.startIdle = true;
    recording::RecordingLayer recorder(bus, {}, {}, idle);
    gui::addSupportRecording(*form, recorder);
    QAction* entry = form->menu(gui::Menu::Help)->actions().constLast();
    ASSERT_EQ(entry->text(), QStringLiteral("Record a session for support..."));

    std::vector<hid::InterfaceIdentity> listed;
    QStringList states;
    whenModalShows<QDialog>([&](QDialog& dialog) {
        const auto button = [&](const char* text) {
            for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
                if (candidate->text() == QLatin1String(text)) {
                    return candidate;
                }
            }
            return static_cast<QPushButton*>(nullptr);
        };
        const auto state = [&] { return dialog.findChildren<QLabel*>().constLast()->text(); };
        states << state();
        EXPECT_FALSE(button("Save as...")->isEnabled());
        dialog.findChild<QCheckBox*>()->setChecked(true);
        button("Start")->click();
        states << state();
        recorder.enumerate(listed);
        button("Stop")->click();
        states << state();
        EXPECT_TRUE(button("Save as...")->isEnabled());
        dialog.reject();
    });
    entry->trigger();
    EXPECT_EQ(states, (QStringList{"Not recording.", "Recording: 0 KB so far.",
                                   "Stopped: the recording holds 0 KB."}));
    const recording::ReadResult read = recording::readRecording(recorder.text());
    ASSERT_TRUE(read.recording) << read.error;
    ASSERT_EQ(read.recording->calls.size(), 1u);
    ASSERT_EQ(read.recording->calls[0].interfaces.size(), 1u);
    EXPECT_EQ(read.recording->calls[0].interfaces[0].path, "device-1");

    // Never saved, it is asked about before closing the window loses it.
    for (const QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Discard}) {
        bool asked = false;
        whenModalShows<QMessageBox>([&](QMessageBox& question) {
            asked = true;
            question.button(answer)->click();
        });
        EXPECT_EQ(form->close(), answer == QMessageBox::Discard);
        EXPECT_TRUE(asked);
    }
}

}  // namespace
