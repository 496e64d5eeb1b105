#include "gui/assistant/flicker_marks.h"

#include <QEvent>
#include <QPainter>
#include <utility>

#include "monitor/plot_mapping.h"

namespace gui {

namespace {

constexpr int kRingRadius = 5;

}  // namespace

FlickerMarks::FlickerMarks(QWidget* plot) : QWidget(plot) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(plot->contentsRect());
    plot->installEventFilter(this);
    hide();
}

// The marks cover the plot's inner area, which grows and shrinks with the window.
bool FlickerMarks::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->contentsRect());
    }
    return QWidget::eventFilter(watched, event);
}

void FlickerMarks::setPlaces(std::vector<QPoint> places) {
    if (places != places_) {
        places_ = std::move(places);
        update();
    }
    // Shown over the plot, it paints whenever the plot repaints under it: only while it
    // has marks to show.
    setVisible(!places_.empty());
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
