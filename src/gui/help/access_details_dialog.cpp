#include "gui/help/access_details_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

void showAccessDetails(QWidget* parent, const QString& details) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("accessDetails"));
    dialog.setWindowTitle(
        QCoreApplication::translate("gui::AccessDetails", "Access to the adaptor"));
    auto* text = new QPlainTextEdit(details, &dialog);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setMinimumSize(640, 320);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton* copy = buttons->addButton(
        QCoreApplication::translate("gui::AccessDetails", "Copy"), QDialogButtonBox::ActionRole);
    QObject::connect(copy, &QPushButton::clicked, &dialog, [text] {
        text->selectAll();
        text->copy();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.exec();
}

}  // namespace gui
