// A label painted from its kept layouts looks as QLabel paints the same text, whatever
// it showed before.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "gui/form/kept_layout_label.h"

namespace {

QImage picture(QLabel& label, const QString& text, const QFont& font) {
    label.setFont(font);
    label.setText(text);
    return label.grab().toImage();
}

TEST(KeptLayoutLabel, PaintsEachTextAsQLabelDoesAfterOthers) {
    QFont larger;
    larger.setPointSizeF(larger.pointSizeF() * 2);
    struct Case {
        const char* text;
        Qt::Alignment alignment;
        bool wraps;
        bool enabled;
        QSize size;
        QFont font;
    };
    const Case cases[] = {
        {"128", Qt::AlignRight | Qt::AlignTop, true, true, {41, 17}, QFont()},
        {"7", Qt::AlignHCenter | Qt::AlignTop, true, true, {67, 17}, QFont()},
        {"Serial Number", Qt::AlignLeft | Qt::AlignVCenter, false, false, {140, 30}, QFont()},
        {"a caption too long for one line",
         Qt::AlignLeft | Qt::AlignTop,
         true,
         true,
         {90, 70},
         QFont()},
        {"128", Qt::AlignRight | Qt::AlignTop, true, true, {41, 17}, larger},
    };
    // One label of each kind through every case in turn, and back to the first, so that
    // each text is painted after others, from a kept layout where it was seen before.
    QLabel reference;
    gui::KeptLayoutLabel kept;
    for (int round = 0; round < 2; ++round) {
        for (const Case& c : cases) {
            for (QLabel* label : {&reference, static_cast<QLabel*>(&kept)}) {
                label->setTextFormat(Qt::PlainText);
                label->setAlignment(c.alignment);
                label->setWordWrap(c.wraps);
                label->setEnabled(c.enabled);
                label->resize(c.size);
            }
            const QString text = QString::fromLatin1(c.text);
            EXPECT_EQ(picture(kept, text, c.font), picture(reference, text, c.font))
                << c.text << " in round " << round;
        }
    }
}

}  // namespace
