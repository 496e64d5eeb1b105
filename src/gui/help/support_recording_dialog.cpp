#include "gui/help/support_recording_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <memory>

#include "gui/form/style.h"
#include "storage/atomic_file.h"

namespace gui {
namespace {

// What the dialog says, in one place.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(gui::SupportRecording)

  public:
    QString menuEntry = tr("Record a session for support...");
    QString title = tr("Record a session for support");
    QString explanation =
        tr("A recording holds every report the program exchanges with the adaptor, with the "
           "adaptor's serial number and thresholds. Start it, do what goes wrong (the dialog "
           "may be closed meanwhile), then stop it and save it to attach to your report.");
    QString anonymous = tr("Leave out the serial number and the device paths");
    QString idle = tr("Not recording.");
    QString running = tr("Recording: %1 KB so far.");
    QString stopped = tr("Stopped: the recording holds %1 KB.");
    QString limit = tr("Stopped at the size limit: the recording holds %1 KB.");
    QString start = tr("Start");
    QString stop = tr("Stop");
    QString saveAs = tr("Save as...");
    QString saveTitle = tr("Save the recording");
    QString fileTypes = tr("Session recordings (*.rec)");
    QString notSaved = tr("The recording was not saved: could not write %1.");
    QString discard = tr("The recording has not been saved. Discard it?");
};

// Keeps a recording that was started until it is saved: Start again and quitting ask
// before they discard it.
class UnsavedRecording {
  public:
    explicit UnsavedRecording(recording::RecordingLayer& recorder) : recorder_(recorder) {}

    void started() { unsaved_ = true; }
    void saved() { unsaved_ = false; }
    // True when nothing unsaved would be lost, or the user lets it go.
    bool mayDiscard(QWidget* parent) const {
        const Texts texts;
        return !unsaved_ || recorder_.size() == 0 ||
               QMessageBox::question(parent, texts.title, texts.discard,
                                     QMessageBox::Discard | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Discard;
    }

  private:
    recording::RecordingLayer& recorder_;
    bool unsaved_ = false;
};

void showSupportRecording(QWidget* parent, recording::RecordingLayer& recorder,
                          UnsavedRecording& unsaved) {
    const Texts texts;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("supportRecording"));
    dialog.setWindowTitle(texts.title);
    auto* explanation = new QLabel(texts.explanation, &dialog);
    explanation->setWordWrap(true);
    auto* anonymous = new QCheckBox(texts.anonymous, &dialog);
    keepIndicatorVisible(*anonymous);
    auto* state = new QLabel(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton* start = buttons->addButton(texts.start, QDialogButtonBox::ActionRole);
    QPushButton* stop = buttons->addButton(texts.stop, QDialogButtonBox::ActionRole);
    QPushButton* save = buttons->addButton(texts.saveAs, QDialogButtonBox::ActionRole);
    bool started = false;
    const auto show = [&] {
        const qint64 kilobytes = static_cast<qint64>(recorder.size() / 1024);
        const bool running = recorder.isRecording();
        started = started || running;
        state->setText(running                     ? texts.running.arg(kilobytes)
                       : !started                  ? texts.idle
                       : recorder.stoppedAtLimit() ? texts.limit.arg(kilobytes)
                                                   : texts.stopped.arg(kilobytes));
        anonymous->setEnabled(!running);
        start->setEnabled(!running);
        stop->setEnabled(running);
        save->setEnabled(started && !running);
    };
    // The size grows, and the limit may stop the recording, while the dialog is open.
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &dialog, show);
    refresh.start(std::chrono::milliseconds(500));
    QObject::connect(start, &QPushButton::clicked, &dialog, [&] {
        if (unsaved.mayDiscard(&dialog)) {
            recorder.start(anonymous->isChecked());
            unsaved.started();
        }
        show();
    });
    QObject::connect(stop, &QPushButton::clicked, &dialog, [&] {
        recorder.finish();
        show();
    });
    QObject::connect(save, &QPushButton::clicked, &dialog, [&] {
        const QString path = QFileDialog::getSaveFileName(
            &dialog, texts.saveTitle, QStringLiteral("session.rec"), texts.fileTypes);
        if (path.isEmpty()) {
            return;
        }
        QString error;
        if (storage::writeFileAtomically(path, QByteArray::fromStdString(recorder.text()), error)) {
            unsaved.saved();
        } else {
            QMessageBox::warning(&dialog, texts.saveTitle, texts.notSaved.arg(error));
        }
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(explanation);
    layout->addWidget(anonymous);
    layout->addWidget(state);
    layout->addWidget(buttons);
    show();
    dialog.exec();
}

}  // namespace

void addSupportRecording(FormWidget& form, recording::RecordingLayer& recorder) {
    auto unsaved = std::make_shared<UnsavedRecording>(recorder);
    form.menu(Menu::Help)->addAction(Texts().menuEntry, &form, [&form, &recorder, unsaved] {
        showSupportRecording(&form, recorder, *unsaved);
    });
    form.addCloseCheck([&form, unsaved] { return unsaved->mayDiscard(&form); });
}

}  // namespace gui
