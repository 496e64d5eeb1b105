#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// A modal prompt with one editable line. The line starts selected so it can be copied
// at once; the Copy button puts all of it on the clipboard.
namespace gui {

class InputDialog : public QDialog {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::InputDialog)

  public:
    InputDialog(const QString& prompt, const QString& title, const QString& text,
                QWidget* parent = nullptr);

    QString text() const;
    QLineEdit* field() const { return field_; }
    QPushButton* copyButton() const { return copyButton_; }

  private:
    QLineEdit* field_ = nullptr;
    QPushButton* copyButton_ = nullptr;
};

}  // namespace gui
