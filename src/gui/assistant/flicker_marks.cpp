#include "gui/assistant/flicker_marks.h"

#include <QPainter>
#include <utility>

#include "monitor/plot_mapping.h"

namespace gui {

namespace {

constexpr int kRingRadius = 5;

}  // namespace

FlickerMarks::FlickerMarks(QWidget* plot, int border) : QWidget(plot) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(plot->rect().adjusted(border, border, -border, -border));
}

void FlickerMarks::setPlaces(std::vector<QPoint> places) {
    if (places != places_) {
        places_ = std::move(places);
        update();
    }
}

void FlickerMarks::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const QPoint& place : places_) {
        const QPointF centre(monitor::plotX(place.x(), width() - 1),
                             monitor::plotY(place.y(), height() - 1));
        painter.setPen(QPen(Qt::white, 4));
        painter.drawEllipse(centre, kRingRadius, kRingRadius);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawEllipse(centre, kRingRadius, kRingRadius);
    }
}

}  // namespace gui
