#include "gui/form/kept_layout_label.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextOption>
#include <QTransform>
#include <algorithm>

namespace gui {

KeptLayoutLabel::KeptLayoutLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

namespace {

QStaticText laidOutText(const QString& text, const QFont& font, Qt::Alignment alignment,
                        int width) {
    QStaticText laidOut;
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.setTextWidth(width);
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(width < 0 ? QTextOption::NoWrap : QTextOption::WordWrap);
    laidOut.setTextOption(option);
    laidOut.setText(text);
    laidOut.prepare(QTransform(), font);
    return laidOut;
}

}  // namespace

const QStaticText& KeptLayoutLabel::layout() {
    const int width = contentsRect().width() - 2 * margin();
    if (layoutFont_ != font() || layoutWidth_ != width || layouts_.size() >= kKeptLayouts) {
        layouts_.clear();
        layoutFont_ = font();
        layoutWidth_ = width;
    }
    const auto [kept, isNew] = layouts_.try_emplace(text());
    if (isNew) {
        kept->second = laidOutText(text(), layoutFont_, alignment(), -1);
        if (wordWrap() && kept->second.size().width() > width) {
            kept->second = laidOutText(text(), layoutFont_, alignment(), std::max(width, 1));
        }
    }
    return kept->second;
}

QRect KeptLayoutLabel::textAreaOf(const QStaticText& laidOut) const {
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    return QStyle::alignedRect(layoutDirection(), alignment(), laidOut.size().toSize(), area);
}

QRect KeptLayoutLabel::textArea() {
    return textAreaOf(layout());
}

void KeptLayoutLabel::paintEvent(QPaintEvent* event) {
    if (textFormat() != Qt::PlainText || frameShape() != QFrame::NoFrame) {
        QLabel::paintEvent(event);
        return;
    }
    const QStaticText& laidOut = layout();
    // The colour QLabel's own painting takes: the foreground of the widget's state.
    QStyleOption state;
    state.initFrom(this);
    QPainter painter(this);
    painter.setPen(state.palette.color(foregroundRole()));
    painter.drawStaticText(textAreaOf(laidOut).topLeft(), laidOut);
}

}  // namespace gui
