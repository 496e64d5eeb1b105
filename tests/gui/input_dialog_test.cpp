// The prompt with an editable text: shown whole in a fixed-width font, opening
// unselected, and Copy copies the text as given, whatever was typed since.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "gui/form/input_dialog.h"

namespace {

const QString kDump = QStringLiteral("Kelvo: ") + QStringLiteral(" 5A").repeated(128);

TEST(InputDialog, ShowsTheWholeTextUnselectedInAFixedWidthFont) {
    gui::InputDialog dialog(QStringLiteral("<b>Copy</b> this text"), QStringLiteral("Memory"),
                            kDump);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Memory"));
    const auto labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->textFormat(), Qt::PlainText);

    QPlainTextEdit* field = dialog.field();
    // Rows of sixteen bytes after their offsets; the given text is what Copy copies.
    const QString row = QStringLiteral(" 5A").repeated(16);
    EXPECT_EQ(field->toPlainText(), QStringLiteral("Kelvo:\n00:%1\n10:%1\n20:%1\n30:%1\n40:%1\n"
                                                   "50:%1\n60:%1\n70:%1")
                                        .arg(row));
    EXPECT_EQ(dialog.text(), kDump);
    // One button closes it, beside Copy.
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 2);
    EXPECT_FALSE(field->textCursor().hasSelection());
    EXPECT_FALSE(field->isReadOnly());
    // Every character as wide as any other (QFontInfo::fixedPitch says no for some
    // monospaced fonts, Noto Sans Mono among them).
    const QFontMetrics metrics(field->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("1111")),
              metrics.horizontalAdvance(QStringLiteral("MMMM")));
    // All of it in view: nothing to scroll to.
    EXPECT_EQ(field->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(field->hasFocus());  // a keystroke does not land in it unasked

    // A title longer than the contents widens the dialog, so the title bar shows it whole.
    const QString title(120, QLatin1Char('W'));
    const gui::InputDialog titled(QStringLiteral("Prompt"), title, kDump);
    EXPECT_GT(titled.minimumWidth(), QFontMetrics(titled.font()).horizontalAdvance(title));
}

TEST(InputDialog, CopyGivesTheTextAsReadAfterAnEdit) {
    gui::InputDialog dialog(QStringLiteral("Prompt"), QStringLiteral("Title"), kDump);
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_NE(clipboard, nullptr);
    dialog.field()->selectAll();
    QTest::keyClicks(dialog.field(), QStringLiteral("x"));
    EXPECT_EQ(dialog.text(), QStringLiteral("x"));  // the field stays editable
    // Copying all of the unedited rows copies the text as given, as Copy does.
    dialog.field()->undo();
    dialog.field()->selectAll();
    dialog.field()->copy();
    EXPECT_EQ(clipboard->text(), kDump);
    QTest::keyClicks(dialog.field(), QStringLiteral("x"));
    clipboard->clear();
    QTest::mouseClick(dialog.copyButton(), Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), kDump);
    EXPECT_EQ(dialog.result(), 0);  // copying leaves the dialog open
    // The button says it worked, for a moment.
    EXPECT_EQ(dialog.copyButton()->text(), QStringLiteral("Copied"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.copyButton()->text() == "Copy"; }, 3000));
}

}  // namespace
