#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

// A modal prompt with an editable text, shown whole in a fixed-width font and opening
// unselected, so a stray keystroke replaces nothing; a memory dump's text shows in rows of
// sixteen bytes with their offsets. Copy puts the text as it was given on the clipboard,
// whatever was typed into the field since. One button closes it.
namespace gui {

class InputDialog : public QDialog {
    // tr() looks texts up under this class, without moc.
    Q_DECLARE_TR_FUNCTIONS(gui::InputDialog)

  public:
    InputDialog(const QString& prompt, const QString& title, const QString& text,
                QWidget* parent = nullptr);

    QString text() const;
    QPlainTextEdit* field() const { return field_; }
    QPushButton* copyButton() const { return copyButton_; }

  private:
    QPlainTextEdit* field_ = nullptr;
    QPushButton* copyButton_ = nullptr;
};

}  // namespace gui
