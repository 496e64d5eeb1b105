// The least a window that shows a moving lever can cost: a precise 10 ms timer, as the
// window's poll, and on every other tick a small square moved and its old and new places
// repainted, as the window's frames do at most. cpu_use.sh measures it beside the bare
// timer, so that a figure can be read against what any repaint costs on that machine.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class MovingSquare : public QWidget {
  public:
    void step() {
        update(square());
        x_ = (x_ + 1) % kTrack;
        update(square());
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().window());
        painter.fillRect(square(), Qt::red);
    }

  private:
    static constexpr int kTrack = 256;
    static constexpr int kSide = 14;  // the plot's marker at the design's size
    QRect square() const { return {20 + x_, 100, kSide, kSide}; }
    int x_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    MovingSquare window;
    window.resize(480, 540);
    window.show();
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    int ticks = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (++ticks % 2 == 0) {
            window.step();
        }
    });
    poll.start(10);
    return QApplication::exec();
}
