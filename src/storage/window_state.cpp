#include "storage/window_state.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include "storage/data_folder.h"

#include "storage/atomic_file.h"

namespace storage {
namespace {

constexpr qint64 kMaxStateBytes = 64 * 1024;
const QString kGeometryKey = QStringLiteral("geometry");
const QString kViewKey = QStringLiteral("view");

}  // namespace

QString WindowStateFile::defaultPath() {
    const QString folder = configFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/window.json");
}

std::optional<WindowState> WindowStateFile::load() {
    if (path_.isEmpty() || !QFileInfo::exists(path_)) {
        return std::nullopt;
    }
    const FileBytes read = readSmallFile(path_, kMaxStateBytes);
    const QJsonDocument document =
        read.bytes ? QJsonDocument::fromJson(*read.bytes) : QJsonDocument();
    if (!document.isObject()) {
        leaveAlone_ = true;
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    WindowState state;
    state.geometry = QByteArray::fromBase64(object.value(kGeometryKey).toString().toLatin1());
    const QJsonObject view = object.value(kViewKey).toObject();
    for (auto choice = view.begin(); choice != view.end(); ++choice) {
        if (choice.value().isBool()) {
            state.viewChoices.insert(choice.key(), choice.value().toBool());
        }
    }
    return state;
}

bool WindowStateFile::save(const WindowState& state, QString& error) {
    if (path_.isEmpty() || leaveAlone_) {
        return false;
    }
    QJsonObject view;
    for (auto choice = state.viewChoices.begin(); choice != state.viewChoices.end(); ++choice) {
        view.insert(choice.key(), choice.value());
    }
    const QJsonObject object{{kGeometryKey, QString::fromLatin1(state.geometry.toBase64())},
                             {kViewKey, view}};
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return writeFileAtomically(path_, QJsonDocument(object).toJson(), error);
}

}  // namespace storage
