#include "gui/form/input_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace gui {
namespace {

const char* const kCopyCaption = QT_TRANSLATE_NOOP("gui::InputDialog", "Copy");
const char* const kCopiedCaption = QT_TRANSLATE_NOOP("gui::InputDialog", "Copied");
constexpr int kCopiedMilliseconds = 1500;

}  // namespace

InputDialog::InputDialog(const QString& prompt, const QString& title, const QString& text,
                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setModal(true);

    auto* promptLabel = new QLabel(prompt, this);
    promptLabel->setTextFormat(Qt::PlainText);
    promptLabel->setWordWrap(true);

    field_ = new QLineEdit(text, this);
    field_->setMinimumWidth(360);
    // All selected, shown from its start: the selection runs back to the first character.
    field_->setSelection(static_cast<int>(text.size()), -static_cast<int>(text.size()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    copyButton_ = buttons->addButton(tr(kCopyCaption), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copyButton_, &QPushButton::clicked, this, [this] {
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(field_->text());
            // The clipboard shows nothing by itself: the button says it worked.
            copyButton_->setText(tr(kCopiedCaption));
            QTimer::singleShot(kCopiedMilliseconds, copyButton_,
                               [button = copyButton_] { button->setText(tr(kCopyCaption)); });
        }
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    field_->setFocus();
}

QString InputDialog::text() const {
    return field_->text();
}

}  // namespace gui
