#pragma once

#include <QCoreApplication>
#include <QWidget>

// A small key to the gear-coloured trace: a swatch and a name for each gear.
namespace gui {

class GearLegend : public QWidget {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::GearLegend)

  public:
    explicit GearLegend(QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int rowHeight() const;
};

}  // namespace gui
