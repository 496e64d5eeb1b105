#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "qt/single_instance.h"

namespace {

TEST(SingleInstance, ASecondHolderIsRefusedUntilTheFirstEnds) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("instance.lock"));
    {
        qt::SingleInstance first(path);
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(first.acquire());  // asking again keeps it
        qt::SingleInstance second(path);
        EXPECT_FALSE(second.acquire());
    }
    qt::SingleInstance later(path);
    EXPECT_TRUE(later.acquire());
}

}  // namespace
