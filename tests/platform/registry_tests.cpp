#include "platform/Registry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Registry::setFile(dir.filePath(QStringLiteral("registry.ini"))); }
    void TearDown() override { Registry::setFile(QString()); }
    QTemporaryDir dir;
};

using Registry::Root;

TEST_F(RegistryTest, StringsReadBackUnderTheirKeyPaths)
{
    const QString key = QStringLiteral("Software\\Jordan Russell\\Inno Setup");
    ASSERT_TRUE(Registry::WriteRegistryString(Root::CurrentUser, key, QStringLiteral("ScriptFile"),
                                              QStringLiteral("/home/ann/Games/Quest/Quest.iss")));
    EXPECT_EQ(Registry::readString(Root::CurrentUser, key, QStringLiteral("ScriptFile")),
              QStringLiteral("/home/ann/Games/Quest/Quest.iss"));
    // Doubled and trailing separators name the same key, as in the registry.
    EXPECT_EQ(Registry::readString(Root::CurrentUser, QStringLiteral("Software\\\\Jordan Russell\\Inno Setup\\"),
                                   QStringLiteral("ScriptFile")),
              QStringLiteral("/home/ann/Games/Quest/Quest.iss"));
    // Roots and value names are kept apart.
    EXPECT_EQ(Registry::readString(Root::LocalMachine, key, QStringLiteral("ScriptFile")), std::nullopt);
    EXPECT_EQ(Registry::readString(Root::CurrentUser, key, QStringLiteral("Other")), std::nullopt);

    // Overwriting, the default value, and names holding '/' or '=' or non-ASCII text.
    ASSERT_TRUE(Registry::WriteRegistryString(Root::CurrentUser, key, QStringLiteral("ScriptFile"), QStringLiteral("b")));
    ASSERT_TRUE(Registry::WriteRegistryString(Root::CurrentUser, key, QString(), QStringLiteral("default")));
    ASSERT_TRUE(Registry::WriteRegistryString(Root::CurrentUser, QStringLiteral("Software\\a/b"), QStringLiteral("x=y"),
                                              QStringLiteral("Café \"quoted\"")));
    EXPECT_EQ(Registry::readString(Root::CurrentUser, key, QStringLiteral("ScriptFile")), QStringLiteral("b"));
    EXPECT_EQ(Registry::readString(Root::CurrentUser, key, QString()), QStringLiteral("default"));
    EXPECT_EQ(Registry::readString(Root::CurrentUser, QStringLiteral("Software\\a/b"), QStringLiteral("x=y")),
              QStringLiteral("Café \"quoted\""));
    EXPECT_EQ(Registry::readString(Root::CurrentUser, QStringLiteral("Software\\a\\b"), QStringLiteral("x=y")), std::nullopt);
}

TEST_F(RegistryTest, AStoreThatCannotBeWrittenIsReported)
{
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Registry::setFile(dir.filePath(QStringLiteral("file/registry.ini")));
    EXPECT_FALSE(Registry::WriteRegistryString(Root::CurrentUser, QStringLiteral("Software\\X"), QStringLiteral("v"),
                                               QStringLiteral("d")));
}

}  // namespace
