#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "storage/single_instance.h"

namespace {

TEST(SingleInstance, ASecondHolderIsRefusedUntilTheFirstEnds) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("instance.lock"));
    {
        storage::SingleInstance first(path);
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(first.acquire());  // asking again keeps it
        storage::SingleInstance second(path);
        EXPECT_FALSE(second.acquire());
    }
    storage::SingleInstance later(path);
    EXPECT_TRUE(later.acquire());
}

}  // namespace
