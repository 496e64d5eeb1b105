#include "session_recording/session_recording.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <cstdio>
#include <utility>

#include "commands/exit_status.h"
#include "recording/recording_text.h"
#include "resources/program_version.h"
#include "storage/atomic_file.h"
#include "translation/translate.h"

namespace session_recording {
namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

recording::Header sessionHeader() {
    recording::Header header;
    header.program = std::string(resources::kProgramName) + " " + resources::kDisplayVersion;
    header.platform =
        (QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::currentCpuArchitecture())
            .toStdString();
    header.date = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    return header;
}

void tell(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

std::shared_ptr<const recording::RecordedDevice> loadRecordedAdaptor(const QString& path,
                                                                     QString& error) {
    const QString shown = QDir::toNativeSeparators(path);
    const storage::FileBytes file = storage::readSmallFile(path, recording::kSizeLimit);
    if (file.tooLarge) {
        error = translation::translate("CommandLine",
                                       "%1 is larger than the %2 MB a recording may hold")
                    .arg(shown)
                    .arg(recording::kSizeLimit / kMegabyte);
        return nullptr;
    }
    if (!file.bytes) {
        error = translation::translate("CommandLine", "cannot read the recording %1: %2")
                    .arg(shown, file.reason);
        return nullptr;
    }
    const recording::ReadResult read =
        recording::readRecording(std::string_view(file.bytes->constData(), file.bytes->size()));
    std::string problem = read.error;
    if (read.recording) {
        if (auto device = recording::recordedDevice(*read.recording, problem)) {
            return std::make_shared<const recording::RecordedDevice>(std::move(*device));
        }
    }
    error = QStringLiteral("%1: %2").arg(shown, QString::fromStdString(problem));
    return nullptr;
}

SessionRecording::SessionRecording(hid::HidLayer& inner, const QString& path, bool anonymous,
                                   bool offerSupportRecording,
                                   recording::RecordingOptions recordingOptions)
    : inner_(inner), path_(path) {
    if (path_.isEmpty()) {
        if (offerSupportRecording) {
            recordingOptions.startIdle = true;
            recorder_.emplace(inner, sessionHeader(), recording::RecordingLayer::Saver(),
                              recordingOptions);
        }
        return;
    }
    recordingOptions.anonymous = anonymous;
    intoStream_ = storage::writesInto(path_);
    if (intoStream_) {
        recorder_.emplace(inner, sessionHeader(), recording::RecordingLayer::Saver(),
                          recordingOptions);
        return;
    }
    if (!lockTheFile()) {
        return;
    }
    writer_.emplace(path_, [](const QString& error) {
        tell(translation::translate("CommandLine",
                                    "Could not save the recording now (%1); it is saved again "
                                    "at the next save and at the end.")
                 .arg(error));
    });
    recorder_.emplace(
        inner, sessionHeader(), [this](std::string text) { writer_->writeLater(std::move(text)); },
        recordingOptions);
}

bool SessionRecording::lockTheFile() {
    const QFileInfo file(path_);
    const QString lockPath =
        file.absolutePath() + QStringLiteral("/.") + file.fileName() + QStringLiteral(".lock");
    QString error;
    switch (fileLock_.take(lockPath, 0, error, true)) {
        case storage::FileLock::Outcome::Taken:
            return true;
        case storage::FileLock::Outcome::Held:
            problem_ = translation::translate("CommandLine",
                                              "Another program is recording into %1; nothing was "
                                              "recorded.")
                           .arg(QDir::toNativeSeparators(path_));
            return false;
        case storage::FileLock::Outcome::Failed:
            problem_ = translation::translate("CommandLine", "Could not write the recording %1")
                           .arg(error);
            return false;
    }
    return false;
}

hid::HidLayer& SessionRecording::layer() {
    return recorder_ ? static_cast<hid::HidLayer&>(*recorder_) : inner_;
}

recording::RecordingLayer* SessionRecording::supportRecording() {
    return path_.isEmpty() && recorder_ ? &*recorder_ : nullptr;
}

int SessionRecording::finish(int status) {
    if (!recorder_ || path_.isEmpty()) {
        return status;
    }
    recorder_->finish();
    const QString shown = QDir::toNativeSeparators(path_);
    QString error;
    if (intoStream_) {
        storage::writeFileAtomically(path_, QByteArray::fromStdString(recorder_->text()), error);
    } else {
        error = writer_->waitUntilWritten();
    }
    if (!error.isEmpty()) {
        tell(translation::translate("CommandLine", "Could not write the recording %1").arg(error));
        return status == commands::kExitOk ? commands::kExitFailed : status;
    }
    if (recorder_->stoppedAtLimit()) {
        tell(translation::translate("CommandLine",
                                    "The recording reached its size limit of %1 MB and stopped; %2 "
                                    "holds the session up to then.")
                 .arg(recording::kSizeLimit / kMegabyte)
                 .arg(shown));
    } else {
        tell(translation::translate("CommandLine", "Recorded the session to %1.").arg(shown));
    }
    return status;
}

}  // namespace session_recording
