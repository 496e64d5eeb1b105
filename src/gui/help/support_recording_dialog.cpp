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
#include <QVBoxLayout>

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
};

void showSupportRecording(QWidget* parent, recording::RecordingLayer& recorder) {
    const Texts texts;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("supportRecording"));
    dialog.setWindowTitle(texts.title);
    auto* explanation = new QLabel(texts.explanation, &dialog);
    explanation->setWordWrap(true);
    auto* anonymous = new QCheckBox(texts.anonymous, &dialog);
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
    QObject::connect(start, &QPushButton::clicked, &dialog, [&] {
        recorder.start(anonymous->isChecked());
        show();
    });
    QObject::connect(stop, &QPushButton::clicked, &dialog, [&] {
        recorder.finish();
        show();
    });
    QObject::connect(save, &QPushButton::clicked, &dialog, [&] {
        const QString path = QFileDialog::getSaveFileName(
            &dialog, texts.saveTitle, QStringLiteral("session.rec"), texts.fileTypes);
        QString error;
        if (!path.isEmpty() &&
            !storage::writeFileAtomically(path, QByteArray::fromStdString(recorder.text("stopped")),
                                          error)) {
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
    form.menu(Menu::Help)->addAction(Texts().menuEntry, &form, [&form, &recorder] {
        showSupportRecording(&form, recorder);
    });
}

}  // namespace gui
