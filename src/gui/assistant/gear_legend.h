#pragma once

#include <QWidget>

// A small key to the gear-coloured trace: a swatch and a name for each gear.
namespace gui {

class GearLegend : public QWidget {
  public:
    explicit GearLegend(QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int rowHeight() const;
};

}  // namespace gui
