#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>
#include <utility>

// The main window's place and View choices, kept between runs in a small JSON file that
// goes through the program's one writer.
namespace storage {

// The window is shown at this many times its design's size at least and at most: the
// command line's --scale takes no other, and resizing keeps within them.
inline constexpr double kMinimumWindowScale = 0.4;
inline constexpr double kMaximumWindowScale = 8;

struct WindowState {
    QByteArray geometry;              // as QWidget::saveGeometry gives it
    QMap<QString, bool> viewChoices;  // by the View action's object name
};

class WindowStateFile {
  public:
    explicit WindowStateFile(QString path) : path_(std::move(path)) {}
    // window.json in the user's configuration folder for this program; empty when there
    // is none.
    static QString defaultPath();

    // The state kept last time; nothing when none was kept or the file cannot be read. A
    // file that exists but cannot be read or parsed is left as it is: save() then writes
    // nothing over it.
    std::optional<WindowState> load();
    // False with `error` set when nothing was written.
    bool save(const WindowState& state, QString& error);

  private:
    QString path_;
    bool leaveAlone_ = false;
};

}  // namespace storage
