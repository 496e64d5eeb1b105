// The floor of the CPU figures: a Qt program that does nothing but run a precise 10 ms
// timer, as the window's poll does, with no window to show.
#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    int ticks = 0;
    QObject::connect(&poll, &QTimer::timeout, [&ticks] { ++ticks; });
    poll.start(10);
    return QApplication::exec();
}
