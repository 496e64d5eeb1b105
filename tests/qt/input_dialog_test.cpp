// The prompt with one editable line: its text starts selected, Copy copies all of it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/form/input_dialog.h"

namespace {

TEST(InputDialog, ShowsPromptTitleAndTheDefaultTextSelected) {
    gui::InputDialog dialog(QStringLiteral("Copy this text"), QStringLiteral("Memory"),
                            QStringLiteral("00 11 22 33"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Memory"));
    EXPECT_EQ(dialog.field()->text(), QStringLiteral("00 11 22 33"));
    EXPECT_EQ(dialog.field()->selectedText(), QStringLiteral("00 11 22 33"));
    EXPECT_EQ(dialog.field()->cursorPosition(), 0);  // shown from its start
    EXPECT_FALSE(dialog.field()->isReadOnly());
    const auto labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->text(), QStringLiteral("Copy this text"));
}

TEST(InputDialog, PromptIsPlainText) {
    gui::InputDialog dialog(QStringLiteral("<b>bold</b> & <i>more</i>"), QString(), QString());
    const auto labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->textFormat(), Qt::PlainText);
}

TEST(InputDialog, CopyPutsTheWholeTextOnTheClipboard) {
    gui::InputDialog dialog(QStringLiteral("Prompt"), QStringLiteral("Title"),
                            QStringLiteral("Kelvo;00 01 02"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_NE(clipboard, nullptr);
    clipboard->setText(QStringLiteral("something else"));
    dialog.field()->setSelection(0, 3);  // a part selected must not shorten the copy
    QTest::mouseClick(dialog.copyButton(), Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), QStringLiteral("Kelvo;00 01 02"));
    EXPECT_EQ(dialog.result(), 0);  // copying leaves the dialog open
    // The button says it worked, for a moment.
    EXPECT_EQ(dialog.copyButton()->text(), QStringLiteral("Copied"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.copyButton()->text() == "Copy"; }, 3000));
}

TEST(InputDialog, TextIsWhatTheUserLeftInTheField) {
    gui::InputDialog dialog(QString(), QString(), QStringLiteral("old"));
    QTest::keyClicks(dialog.field(), QStringLiteral("new"));  // replaces the selection
    EXPECT_EQ(dialog.text(), QStringLiteral("new"));
}

}  // namespace
