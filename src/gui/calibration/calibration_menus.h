#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "gui/form/form_widget.h"
#include "history/window_recorder.h"
#include "storage/history_store.h"

namespace gui {

// The menu items around the calibration: File > Export and Import calibration,
// Adaptor > Revert, History... and Store all six thresholds, Help > About. Every
// restore only fills the window; nothing reaches the adaptor until the user stores.
// History... also shows, without an adaptor, the histories the data folder keeps.
class CalibrationMenus : public QObject {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::CalibrationMenus)

  public:
    // `store` is null when no history is kept (a simulated adaptor without the option);
    // `connection` watches `window` and knows what its adaptor held when it connected.
    CalibrationMenus(FormWidget& form, frmMain& window, const history::WindowRecorder& connection,
                     const storage::HistoryStore* store, QString hidapiVersion);

    void exportCalibration();
    void importCalibration();
    void revert();
    void showHistory();

  private:
    void addFileItems();
    void addAdaptorItems();
    // An item that is offered only while an adaptor with a lever is connected.
    QAction* adaptorItem(const QString& text, std::function<void()> work);
    // The connection's read, or nothing after saying why there is none.
    std::optional<history::Entry> readAtConnection(const QString& title);
    // Puts `values` into the window, unless the adaptor of `read` went away while a
    // dialog was open.
    void restore(const history::Entry& read, const history::Thresholds& values,
                 const QString& origin, const QString& title);
    void notify(const QString& text);
    // Asks where to save `values` of `adaptor` as a calibration file, and saves them.
    void exportValues(const history::Identity& adaptor, const history::Thresholds& values,
                      QWidget* parent);
    // One of the adaptors whose history the data folder keeps: the only one, or the one
    // the user chooses; nothing after saying there is none, or when the user cancels.
    std::optional<history::Identity> chooseKnownAdaptor();

    FormWidget& form_;
    frmMain& window_;
    const history::WindowRecorder& connection_;
    const storage::HistoryStore* store_;
    QString hidapiVersion_;
};

}  // namespace gui
