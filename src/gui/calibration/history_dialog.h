#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "history/entry.h"

namespace gui {

// The history of one adaptor as a table, newest first: time, event, the six
// thresholds, accepted. "Restore" (or a double click) closes it with a row chosen;
// "Export..." saves a row's calibration to a file.
class HistoryDialog : public QDialog {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::HistoryDialog)

  public:
    HistoryDialog(const history::Identity& adaptor, const std::vector<history::Entry>& oldestFirst,
                  QWidget* parent = nullptr);

    // The entry of the row chosen with Restore; null until then.
    const history::Entry* chosen() const;
    QTableWidget* table() const { return table_; }
    QPushButton* restoreButton() const { return restore_; }
    QPushButton* exportButton() const { return export_; }

    // Restore is offered only while the adaptor is connected (true at first).
    void setRestorable(bool restorable);
    // "Export..." hands the chosen row to `exportEntry`.
    void setExport(std::function<void(const history::Entry&)> exportEntry);

  private:
    void fillTable();
    void restoreSelectedRow();
    const history::Entry* selectedEntry() const;
    void enableButtons();

    std::vector<history::Entry> newestFirst_;
    QTableWidget* table_;
    QPushButton* restore_;
    QPushButton* export_;
    std::function<void(const history::Entry&)> exportEntry_;
    bool restorable_ = true;
    int chosenRow_ = -1;
};

}  // namespace gui
