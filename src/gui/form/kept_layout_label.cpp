#include "gui/form/kept_layout_label.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTransform>

namespace gui {

// Captions may come from the adaptor: never read them as markup.
KeptLayoutLabel::KeptLayoutLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

QRectF KeptLayoutLabel::contentsArea() const {
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

const QStaticText& KeptLayoutLabel::layout() {
    if (layoutFont_ != font() || layouts_.size() >= kKeptLayouts) {
        layouts_.clear();
        layoutFont_ = font();
    }
    const auto [kept, isNew] = layouts_.try_emplace(text());
    if (isNew) {
        QStaticText& laidOut = kept->second;
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setText(text());
        // In the font as the widget's screen resolves it, as a paint does: laid out at
        // another resolution, the text would be placed by a size it is not painted in.
        laidOut.prepare(QTransform(), QFont(layoutFont_, this));
    }
    return kept->second;
}

// Placed at fractions of a pixel, as QLabel places its text, so that both look the same.
QRectF KeptLayoutLabel::textAreaOf(const QStaticText& laidOut) const {
    const QRectF area = contentsArea();
    const QSizeF size = laidOut.size();
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), this->alignment());
    QPointF at = area.topLeft();
    if (alignment & Qt::AlignRight) {
        at.rx() += area.width() - size.width();
    } else if (alignment & Qt::AlignHCenter) {
        at.rx() += (area.width() - size.width()) / 2;
    }
    if (alignment & Qt::AlignBottom) {
        at.ry() += area.height() - size.height();
    } else if (alignment & Qt::AlignVCenter) {
        at.ry() += (area.height() - size.height()) / 2;
    }
    return {at, size};
}

QRect KeptLayoutLabel::textArea() {
    return textAreaOf(layout()).toAlignedRect();
}

void KeptLayoutLabel::paintEvent(QPaintEvent* event) {
    const QStaticText& laidOut = layout();
    // What wraps, rich text, and a disabled label, whose look some styles etch, QLabel
    // paints itself.
    if (textFormat() != Qt::PlainText || frameShape() != QFrame::NoFrame || !isEnabled() ||
        (wordWrap() && laidOut.size().width() > contentsArea().width())) {
        QLabel::paintEvent(event);
        return;
    }
    // The colour QLabel's own painting takes: the foreground of the widget's state.
    QStyleOption state;
    state.initFrom(this);
    QPainter painter(this);
    painter.setPen(state.palette.color(foregroundRole()));
    painter.drawStaticText(textAreaOf(laidOut).topLeft(), laidOut);
}

}  // namespace gui
