#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

// Runs `act` on the modal dialog once it is shown. A dialog of another kind, or none,
// fails the test and is closed after a while so the test cannot hang.
template <typename Dialog>
void whenModalShows(std::function<void(Dialog&)> act) {
    constexpr int kMaxPolls = 300;
    auto* poll = new QTimer;
    auto polls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, polls, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = dynamic_cast<Dialog*>(modal)) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        } else if (++*polls > kMaxPolls) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "the expected dialog did not show";
            if (auto* other = dynamic_cast<QDialog*>(modal)) {
                other->reject();
            }
        }
    });
    poll->start(10);
}
