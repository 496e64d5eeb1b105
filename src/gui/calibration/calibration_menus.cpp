#include "gui/calibration/calibration_menus.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>
#include <utility>
#include <vector>

#include "gui/calibration/history_dialog.h"
#include "gui/help/about_dialog.h"
#include "protocol/products.h"
#include "storage/calibration_file.h"
#include "storage/calibration_json.h"
#include "storage/data_folder.h"
#include "translation/translate.h"

namespace gui {
namespace {

const char* const kExportTitle = QT_TRANSLATE_NOOP("gui::CalibrationMenus", "Export calibration");
const char* const kImportTitle = QT_TRANSLATE_NOOP("gui::CalibrationMenus", "Import calibration");
const char* const kRevertTitle = QT_TRANSLATE_NOOP("gui::CalibrationMenus", "Revert");
const char* const kHistoryTitle = QT_TRANSLATE_NOOP("gui::CalibrationMenus", "History");
const char* const kFileFilter =
    QT_TRANSLATE_NOOP("gui::CalibrationMenus", "Calibrations (*.json);;All files (*)");

// `text` with the hyphens of `option` non-breaking (U+2011): a wrapped line would
// otherwise break the option at one, where a reader cannot tell that it is one word.
QString withUnbrokenOption(QString text, const QString& option) {
    return text.replace(option, QString(option).replace(QLatin1Char('-'), QChar(0x2011)));
}

}  // namespace

CalibrationMenus::CalibrationMenus(FormWidget& form, frmMain& window,
                                   const history::WindowRecorder& connection,
                                   const storage::HistoryStore* store, QString hidapiVersion)
    : QObject(&form),
      form_(form),
      window_(window),
      connection_(connection),
      store_(store),
      hidapiVersion_(std::move(hidapiVersion)) {
    addFileItems();
    addAdaptorItems();
    form_.menu(Menu::Help)->addAction(tr("&About"), this, [this] {
        showAbout(&form_, hidapiVersion_);
    });
}

QAction* CalibrationMenus::adaptorItem(const QString& text, std::function<void()> work) {
    auto* action = new QAction(text, this);
    connect(action, &QAction::triggered, this, std::move(work));
    form_.addAdaptorAction(action);
    return action;
}

void CalibrationMenus::addFileItems() {
    QMenu* file = form_.menu(Menu::File);
    QAction* quit = file->actions().value(0);  // stays last
    file->insertActions(
        quit, {adaptorItem(tr("&Export calibration..."), [this] { exportCalibration(); }),
               adaptorItem(tr("&Import calibration..."), [this] { importCalibration(); })});
    file->insertSeparator(quit);
}

void CalibrationMenus::addAdaptorItems() {
    QMenu* adaptor = form_.menu(Menu::Adaptor);
    adaptor->addAction(
        adaptorItem(tr("&Revert to the values read at connection"), [this] { revert(); }));
    // Offered with no adaptor too: the histories the data folder keeps can be read and
    // exported without one.
    adaptor->addAction(tr("&History..."), this, [this] { showHistory(); });
    adaptor->addSeparator();
    adaptor->addAction(adaptorItem(tr("&Store all six thresholds"), [this] {
        form_.deliverWork([](frmMain& window) { window.StoreAllSix(); });
    }));
}

std::optional<history::Entry> CalibrationMenus::readAtConnection(const QString& title) {
    if (!connection_.readAtConnection()) {
        QMessageBox::information(&form_, title,
                                 tr("The adaptor's thresholds could not be read when it "
                                    "connected; unplug it and plug it in again."));
    }
    return connection_.readAtConnection();
}

void CalibrationMenus::restore(const history::Entry& read, const history::Thresholds& values,
                               const QString& origin, const QString& title) {
    if (window_.isUnloaded() || !connection_.readAtConnection() ||
        connection_.readAtConnection()->adaptor != read.adaptor) {
        QMessageBox::information(&form_, title,
                                 tr("The adaptor was unplugged meanwhile; nothing was restored."));
        return;
    }
    if (const std::string reason = window_.UnstorableReason(values); !reason.empty()) {
        QMessageBox::warning(&form_, title,
                             tr("Nothing was restored: %1.").arg(QString::fromStdString(reason)));
        return;
    }
    form_.deliverWork(
        [&](frmMain& window) { window.RestoreThresholds(values, origin.toStdString()); });
}

void CalibrationMenus::notify(const QString& text) {
    form_.deliverWork([&](frmMain& window) { window.status.notify(text.toStdString()); });
}

void CalibrationMenus::exportCalibration() {
    if (const std::optional<history::Entry> read = readAtConnection(tr(kExportTitle))) {
        exportValues(read->adaptor, window_.CurrentThresholds(), &form_);
    }
}

void CalibrationMenus::exportValues(const history::Identity& adaptor,
                                    const history::Thresholds& values, QWidget* parent) {
    const QString suggested =
        QStringLiteral("calibration-%1.json").arg(QString::fromStdString(adaptor.serialNumber));
    const QString path =
        QFileDialog::getSaveFileName(parent, tr(kExportTitle), suggested, tr(kFileFilter));
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!storage::writeCalibrationFile(path, {adaptor, values}, error)) {
        QMessageBox::warning(parent, tr(kExportTitle),
                             tr("The calibration could not be written: %1.").arg(error));
        return;
    }
    notify(tr("Exported the calibration to %1").arg(QFileInfo(path).fileName()));
}

void CalibrationMenus::importCalibration() {
    const std::optional<history::Entry> read = readAtConnection(tr(kImportTitle));
    if (!read) {
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(&form_, tr(kImportTitle), {}, tr(kFileFilter));
    if (path.isEmpty()) {
        return;
    }
    const storage::ImportedCalibration imported = storage::readCalibrationFile(path);
    if (!imported.calibration) {
        QMessageBox::warning(&form_, tr(kImportTitle), imported.refusal);
        return;
    }
    const storage::Calibration& calibration = *imported.calibration;
    if (storage::comesFromAnotherProduct(calibration, read->adaptor) &&
        QMessageBox::question(&form_, tr(kImportTitle),
                              tr("This calibration was exported from %1, not from the connected "
                                 "%2. Use it anyway?")
                                  .arg(storage::adaptorText(calibration.adaptor),
                                       storage::adaptorText(read->adaptor)),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    restore(*read, calibration.values,
            tr("the calibration from %1").arg(QFileInfo(path).fileName()), tr(kImportTitle));
}

void CalibrationMenus::revert() {
    if (const auto read = readAtConnection(tr(kRevertTitle))) {
        restore(*read, read->values, tr("the calibration read at connection"), tr(kRevertTitle));
    }
}

void CalibrationMenus::showHistory() {
    // With an adaptor connected, its own history, which a restore may fill the window from.
    std::optional<history::Entry> read;
    if (window_.session.isConnected && protocol::reportsLever(window_.session.productId)) {
        read = readAtConnection(tr(kHistoryTitle));
        if (!read) {
            return;
        }
    }
    if (store_ == nullptr) {
        // A demo without --keep-history, or no data folder to keep a history in.
        const QString why = storage::HistoryStore::defaultFolder().isEmpty()
                                ? translation::translate("Storage", storage::kNoDataFolder)
                                : tr("No history is kept for a simulated adaptor; start the "
                                     "program with --keep-history to keep one.");
        QMessageBox::information(&form_, tr(kHistoryTitle),
                                 withUnbrokenOption(why, QStringLiteral("--keep-history")));
        return;
    }
    const std::optional<history::Identity> adaptor =
        read ? std::optional(read->adaptor) : chooseKnownAdaptor();
    if (!adaptor) {
        return;
    }
    const storage::HistoryStore::Loaded loaded = store_->read(*adaptor);
    if (!loaded.notice.isEmpty()) {
        notify(loaded.notice);
    }
    if (!loaded.history) {
        QMessageBox::warning(&form_, tr(kHistoryTitle), loaded.notice);
        return;
    }
    HistoryDialog dialog(*adaptor, loaded.history->entries(), &form_);
    dialog.setRestorable(read.has_value());
    dialog.setExport([this, &dialog, &adaptor](const history::Entry& entry) {
        exportValues(*adaptor, entry.values, &dialog);
    });
    if (dialog.exec() == QDialog::Accepted && dialog.chosen() != nullptr && read) {
        const history::Entry chosen = *dialog.chosen();
        restore(*read, chosen.values,
                tr("the calibration of %1").arg(storage::timeText(chosen.time)), tr(kHistoryTitle));
    }
}

std::optional<history::Identity> CalibrationMenus::chooseKnownAdaptor() {
    const std::vector<history::Identity> known = store_->knownAdaptors();
    if (known.empty()) {
        QMessageBox::information(&form_, tr(kHistoryTitle),
                                 tr("No adaptor has a history here yet: an adaptor's history "
                                    "starts when it first connects."));
        return std::nullopt;
    }
    if (known.size() == 1) {
        return known.front();
    }
    QStringList names;
    for (const history::Identity& adaptor : known) {
        names << storage::adaptorText(adaptor);
    }
    bool chosen = false;
    const QString name = QInputDialog::getItem(
        &form_, tr(kHistoryTitle), tr("The history of which adaptor?"), names, 0, false, &chosen);
    if (!chosen) {
        return std::nullopt;
    }
    return known[static_cast<std::size_t>(std::max<qsizetype>(names.indexOf(name), 0))];
}

}  // namespace gui
