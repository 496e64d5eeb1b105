#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <vector>

#include "protocol/gear.h"

// A small key to the gear-coloured trace: a swatch and a name for each gear the
// adaptor's current mode can report.
namespace gui {

class GearLegend : public QWidget {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::GearLegend)

  public:
    explicit GearLegend(QWidget* parent);
    QSize sizeHint() const override;

    // The mode whose gears are listed: H-pattern N, 1 to 6 and R; sequential N, - and +.
    void setSequential(bool sequential);
    bool sequential() const { return sequential_; }
    // Swatches grow with the window's scale, as its font does.
    void setScale(double scale);
    const std::vector<protocol::Gear>& gears() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int rowHeight() const;
    int swatch() const;

    bool sequential_ = false;
    double scale_ = 1;
};

}  // namespace gui
