#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <unordered_map>

// A label that keeps the layout of each plain text it showed and paints from it. The
// lever's readouts change their digits on nearly every frame and cycle through at most
// 256 texts, and laying a text out again costs more than the rest of a frame. Its
// texts are plain: one set as rich text is left to QLabel.
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
    // The laid-out text for the font and width the label has now: on one line where it
    // fits, else wrapped at the label's width if the label wraps.
    const QStaticText& layout();
    QRect textAreaOf(const QStaticText& laidOut) const;

    // More texts than a readout ever shows; a label whose text never repeats starts over.
    static constexpr std::size_t kKeptLayouts = 512;
    std::unordered_map<QString, QStaticText> layouts_;
    QFont layoutFont_;
    int layoutWidth_ = -1;
};

}  // namespace gui
