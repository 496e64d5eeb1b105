#pragma once

#include <QPoint>
#include <QWidget>
#include <vector>

// Rings over the plot where the lever's gear flickered last, drawn above the trace.
namespace gui {

class FlickerMarks : public QWidget {
  public:
    // Covers the inner area of `plot`, inside its contents margins, at any size.
    explicit FlickerMarks(QWidget* plot);

    // Lever positions (0..255 on each axis); repaints only when they change, and shows
    // only while there are any.
    void setPlaces(std::vector<QPoint> places);
    const std::vector<QPoint>& places() const { return places_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<QPoint> places_;
};

}  // namespace gui
