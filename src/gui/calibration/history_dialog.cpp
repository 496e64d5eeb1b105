#include "gui/calibration/history_dialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "protocol/thresholds.h"
#include "storage/calibration_json.h"
#include "translation/translate.h"

namespace gui {
namespace {

// The thresholds' columns in the order the close stores them: H1, H2, V1, V2, SeqH1, SeqH2.
constexpr std::array<std::size_t, 6> kColumnAddresses{3, 2, 0, 1, 5, 4};
constexpr int kFirstThresholdColumn = 2;
constexpr int kAcceptedColumn = kFirstThresholdColumn + 6;

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

HistoryDialog::HistoryDialog(const history::Identity& adaptor,
                             const std::vector<history::Entry>& oldestFirst, QWidget* parent)
    : QDialog(parent),
      newestFirst_(oldestFirst.rbegin(), oldestFirst.rend()),
      table_(new QTableWidget(this)),
      restore_(new QPushButton(tr("&Restore"), this)),
      export_(new QPushButton(tr("&Export..."), this)) {
    setWindowTitle(tr("History of %1").arg(storage::adaptorText(adaptor)));
    table_->setAccessibleName(windowTitle());
    fillTable();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(restore_, QDialogButtonBox::AcceptRole);
    buttons->addButton(export_, QDialogButtonBox::ActionRole);
    setRestorable(true);
    export_->setToolTip(tr("Saves the chosen row's thresholds to a calibration file."));
    export_->hide();  // until setExport
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(restore_, &QPushButton::clicked, this, &HistoryDialog::restoreSelectedRow);
    connect(export_, &QPushButton::clicked, this, [this] {
        if (const history::Entry* entry = selectedEntry(); entry != nullptr && exportEntry_) {
            exportEntry_(*entry);
        }
    });
    connect(table_, &QTableWidget::itemSelectionChanged, this, &HistoryDialog::enableButtons);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { restoreSelectedRow(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(760, 420);
}

void HistoryDialog::fillTable() {
    QStringList headers{tr("Time"), tr("Event")};
    for (std::size_t address : kColumnAddresses) {
        headers << QLatin1String(protocol::factsAt(address).name);
    }
    headers << tr("Accepted");
    table_->setColumnCount(static_cast<int>(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->setRowCount(static_cast<int>(newestFirst_.size()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setVisible(false);

    for (int row = 0; row < table_->rowCount(); ++row) {
        const history::Entry& entry = newestFirst_[static_cast<std::size_t>(row)];
        const QString time = QDateTime::fromMSecsSinceEpoch(entry.time)
                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        table_->setItem(row, 0, cell(time));
        table_->setItem(
            row, 1,
            cell(translation::translate("History", history::eventName(entry.event).data())));
        for (std::size_t i = 0; i < kColumnAddresses.size(); ++i) {
            table_->setItem(
                row, kFirstThresholdColumn + static_cast<int>(i),
                cell(QString::number(entry.values[kColumnAddresses[i]]), Qt::AlignRight));
        }
        table_->setItem(row, kAcceptedColumn, cell(entry.accepted ? tr("yes") : tr("no")));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
}

void HistoryDialog::setRestorable(bool restorable) {
    restorable_ = restorable;
    restore_->setToolTip(restorable ? tr("Puts the chosen row's thresholds into the window; "
                                         "nothing is sent to the adaptor until you store them.")
                                    : tr("Connect this adaptor to restore a calibration into "
                                         "the window."));
    enableButtons();
}

void HistoryDialog::setExport(std::function<void(const history::Entry&)> exportEntry) {
    exportEntry_ = std::move(exportEntry);
    export_->setVisible(static_cast<bool>(exportEntry_));
}

void HistoryDialog::enableButtons() {
    const bool selected = selectedEntry() != nullptr;
    restore_->setEnabled(selected && restorable_);
    export_->setEnabled(selected);
}

const history::Entry* HistoryDialog::selectedEntry() const {
    const int row = table_->currentRow();
    return row < 0 || row >= static_cast<int>(newestFirst_.size())
               ? nullptr
               : &newestFirst_[static_cast<std::size_t>(row)];
}

void HistoryDialog::restoreSelectedRow() {
    if (selectedEntry() == nullptr || !restorable_) {
        return;
    }
    chosenRow_ = table_->currentRow();
    accept();
}

const history::Entry* HistoryDialog::chosen() const {
    return chosenRow_ < 0 ? nullptr : &newestFirst_[static_cast<std::size_t>(chosenRow_)];
}

}  // namespace gui
