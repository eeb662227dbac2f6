#include "editor/shell/RecentProjects.h"
#include "platform/Registry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecentProjectsTest : public ::testing::Test {
protected:
    void SetUp() override { Registry::setFile(settings.filePath(QStringLiteral("registry.ini"))); }
    void TearDown() override { Registry::setFile(QString()); }
    QTemporaryDir settings;
};

TEST_F(RecentProjectsTest, TheLastEightLoadedComeNewestFirstWithoutRepeats)
{
    for (int i = 1; i <= 10; ++i)
        RecentProjects::add(QStringLiteral("/games/p%1").arg(i));
    // A project loaded again moves to the front, however its folder was written.
    RecentProjects::add(QStringLiteral("/games/p5/"));
    const QStringList recent = RecentProjects::list();
    ASSERT_EQ(recent.size(), 8);
    EXPECT_EQ(recent.first(), QStringLiteral("/games/p5/"));
    EXPECT_EQ(recent.at(1), QStringLiteral("/games/p10/"));
    EXPECT_EQ(recent.last(), QStringLiteral("/games/p3/"));  // p1 and p2 dropped out
    EXPECT_EQ(recent.count(QStringLiteral("/games/p5/")), 1);

    RecentProjects::remove(QStringLiteral("/games/p10"));
    EXPECT_EQ(RecentProjects::list().size(), 7);
    EXPECT_FALSE(RecentProjects::list().contains(QStringLiteral("/games/p10/")));
}

}  // namespace
