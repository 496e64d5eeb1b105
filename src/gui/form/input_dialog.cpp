#include "gui/form/input_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "protocol/dump_text.h"

namespace gui {
namespace {

const char* const kCopyCaption = QT_TRANSLATE_NOOP("gui::InputDialog", "Copy");
const char* const kCopiedCaption = QT_TRANSLATE_NOOP("gui::InputDialog", "Copied");
constexpr int kCopiedMilliseconds = 1500;
// A memory dump's row: an offset, a colon and sixteen three-character byte fields; the
// label and eight rows hold all 128 bytes.
constexpr int kColumns = 3 + 16 * 3;
constexpr int kRows = 9;

// Shows a text laid out for reading; copying all of it while it is unedited copies the
// text as given, which is what the adaptor's support reads.
class LaidOutField : public QPlainTextEdit {
  public:
    LaidOutField(const QString& given, QWidget* parent)
        : QPlainTextEdit(parent),
          given_(given),
          laidOut_(QString::fromStdString(protocol::dumpRows(given.toStdString()))) {
        setPlainText(laidOut_);
    }

    // The text as given while the field shows it unchanged, else what the field holds.
    QString text() const { return unchanged() ? given_ : toPlainText(); }

  protected:
    QMimeData* createMimeDataFromSelection() const override {
        const QTextCursor cursor = textCursor();
        if (!unchanged() || cursor.selectionStart() != 0 ||
            cursor.selectionEnd() != document()->characterCount() - 1) {
            return QPlainTextEdit::createMimeDataFromSelection();
        }
        auto* asGiven = new QMimeData;
        asGiven->setText(given_);
        return asGiven;
    }

  private:
    bool unchanged() const { return toPlainText() == laidOut_; }

    QString given_;
    QString laidOut_;
};

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

    field_ = new LaidOutField(text, this);
    field_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    field_->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(field_->font());
    const int frame =
        2 * (field_->frameWidth() + static_cast<int>(field_->document()->documentMargin()));
    field_->setMinimumSize(metrics.horizontalAdvance(QString(kColumns, QLatin1Char('0'))) + frame +
                               field_->verticalScrollBar()->sizeHint().width(),
                           metrics.lineSpacing() * kRows + frame);

    // One button closes it; Escape or the window's close give nothing back, as a cancel.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Close"));
    copyButton_ = buttons->addButton(tr(kCopyCaption), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
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
    return static_cast<const LaidOutField*>(field_)->text();
}

}  // namespace gui
