#include "qt/input_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtui {

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
    field_->selectAll();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    copyButton_ = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copyButton_, &QPushButton::clicked, this, [this] {
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(field_->text());
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

}  // namespace qtui
