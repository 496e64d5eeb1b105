// The window's kept place: what was saved loads back, and a file that cannot be read or
// parsed is left byte for byte, never written over.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "storage/window_state.h"

namespace {

TEST(WindowState, SavedStateLoadsBackAndAnUnreadableFileIsLeftAsItIs) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("config/window.json"));
    storage::WindowState state;
    state.geometry = QByteArray("\x01\xd9\xd0\xcb geometry", 13);
    state.viewChoices = {{QStringLiteral("traceByGear"), true}, {QStringLiteral("other"), false}};
    QString error;
    ASSERT_TRUE(storage::WindowStateFile(path).save(state, error)) << error.toStdString();
    const std::optional<storage::WindowState> loaded = storage::WindowStateFile(path).load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->geometry, state.geometry);
    EXPECT_EQ(loaded->viewChoices, state.viewChoices);

    for (const QByteArray& damaged : {QByteArray("{\"geometry\": "), QByteArray("[1, 2]")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
        file.close();
        storage::WindowStateFile kept(path);
        EXPECT_FALSE(kept.load());
        EXPECT_FALSE(kept.save(state, error));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), damaged);
    }
}

}  // namespace
