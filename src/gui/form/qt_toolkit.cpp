#include "gui/form/qt_toolkit.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include "gui/form/form_widget.h"
#include "gui/form/input_dialog.h"

namespace gui {

void QtToolkitServices::setMainWidget(FormWidget* widget) {
    mainWidget_ = widget;
}

std::string QtToolkitServices::InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) {
    showModelState();
    InputDialog dialog(QString::fromStdString(prompt), QString::fromStdString(title),
                       QString::fromStdString(defaultText), mainWidget_.data());
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.text().toStdString();
}

// A handler that lets events through or waits on a dialog mid-way shows how far it got.
void QtToolkitServices::showModelState() {
    if (mainWidget_) {
        mainWidget_->syncFromModel();
    }
}

void QtToolkitServices::DoEvents() {
    showModelState();
    QCoreApplication::processEvents();
}

void QtToolkitServices::UnloadWindow() {
    if (mainWidget_) {
        mainWidget_->syncFromModel();
        mainWidget_->close();
    }
    QCoreApplication::quit();
}

void QtToolkitServices::Sleep(int milliseconds) {
    if (milliseconds > 0) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
}

void QtToolkitServices::MessageBox(const std::string& title, const std::string& text) {
    showModelState();
    QMessageBox box(QMessageBox::Information, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, mainWidget_.data());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtToolkitServices::Confirm(const std::string& title, const std::string& text,
                                const std::string& acceptCaption) {
    showModelState();
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok | QMessageBox::Cancel,
                    mainWidget_.data());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QString::fromStdString(acceptCaption));
    // Enter alone must not start what cannot be taken back.
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace gui
