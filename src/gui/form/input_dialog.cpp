#include "gui/form/input_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace gui {
namespace {

const char* const kCopyCaption = QT_TRANSLATE_NOOP("gui::InputDialog", "Copy");
const char* const kCopiedCaption = QT_TRANSLATE_NOOP("gui::InputDialog", "Copied");
constexpr int kCopiedMilliseconds = 1500;
// Sixteen three-character byte fields a line, and room for all 128 bytes and a label.
constexpr int kColumns = 16 * 3 + 2;
constexpr int kRows = 9;

// The window manager cuts a title wider than its window. Title bars commonly show the
// title in bold beside an icon and three buttons; five of the bar's heights hold those
// and the gaps between them.
int widthForTitle(const QWidget& window, const QString& title) {
    QFont bold = window.font();
    bold.setBold(true);
    const int bar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return QFontMetrics(bold).horizontalAdvance(title) + 5 * bar;
}

}  // namespace

InputDialog::InputDialog(const QString& prompt, const QString& title, const QString& text,
                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setModal(true);

    auto* promptLabel = new QLabel(prompt, this);
    promptLabel->setTextFormat(Qt::PlainText);
    promptLabel->setWordWrap(true);

    field_ = new QPlainTextEdit(text, this);
    field_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    field_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QFontMetrics metrics(field_->font());
    const int frame =
        2 * (field_->frameWidth() + static_cast<int>(field_->document()->documentMargin()));
    field_->setMinimumSize(metrics.horizontalAdvance(QString(kColumns, QLatin1Char('0'))) + frame +
                               field_->verticalScrollBar()->sizeHint().width(),
                           metrics.lineSpacing() * kRows + frame);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    copyButton_ = buttons->addButton(tr(kCopyCaption), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copyButton_, &QPushButton::clicked, this, [this, text] {
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(text);
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
    // The focus on Copy: typing changes nothing until the field is clicked.
    copyButton_->setDefault(true);
    copyButton_->setFocus();
    setMinimumWidth(std::max(minimumSizeHint().width(), widthForTitle(*this, title)));
}

QString InputDialog::text() const {
    return field_->toPlainText();
}

}  // namespace gui
