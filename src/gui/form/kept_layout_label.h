#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QRectF>
#include <QStaticText>
#include <QString>
#include <unordered_map>

// A label that keeps the layout of each plain text it showed and paints from it. The
// lever's readouts change their digits on nearly every frame and cycle through at most
// 256 texts, and laying a text out again costs more than the rest of a frame. Its
// texts are plain; rich text, a text that wraps and a disabled label QLabel paints
// itself.
namespace gui {

class KeptLayoutLabel : public QLabel {
  public:
    explicit KeptLayoutLabel(const QString& text = {}, QWidget* parent = nullptr);
    explicit KeptLayoutLabel(QWidget* parent) : KeptLayoutLabel({}, parent) {}

    // Where the text is painted, in the label's coordinates.
    QRect textArea();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The text laid out on one line in the label's font.
    const QStaticText& layout();
    QRectF contentsArea() const;
    QRectF textAreaOf(const QStaticText& laidOut) const;

    // More texts than a readout ever shows; a label whose text never repeats starts over.
    static constexpr std::size_t kKeptLayouts = 512;
    std::unordered_map<QString, QStaticText> layouts_;
    QFont layoutFont_;
};

}  // namespace gui
