#include "player/state/GameVariables.h"
#include "support/GameFiles.h"

#include <gtest/gtest.h>

namespace {

QString variablesFile(const TempProject& p) { return p.path() + QStringLiteral("Config/Variables"); }

TEST(VariablesCollectionTest, KeepsInsertionOrderDuplicatesAndKeys)
{
    VariablesCollection c;
    c.Add(QStringLiteral("door"), 0);
    c.Add(QStringLiteral("door"), 1);
    c.Add(QStringLiteral("lamp"), 1, QStringLiteral("k"));
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(qsizetype(2))->Value, 1);
    EXPECT_EQ(c.Item(QStringLiteral("k"))->Name, QStringLiteral("lamp"));
    EXPECT_EQ(c.Item(qsizetype(0)), nullptr);
    EXPECT_EQ(c.Item(qsizetype(4)), nullptr);
    EXPECT_EQ(c.Item(QStringLiteral("door")), nullptr);  // names are not keys
    EXPECT_TRUE(c.Remove(qsizetype(1)));
    EXPECT_EQ(c.Item(qsizetype(1))->Value, 1);
    EXPECT_TRUE(c.Remove(QStringLiteral("k")));
    EXPECT_FALSE(c.Remove(QStringLiteral("k")));
    EXPECT_EQ(c.Count(), 1);
}

TEST(VariablesCollectionTest, CopiesChangeApart)
{
    VariablesCollection first;
    first.Add(QStringLiteral("door"), 0);
    first.Add(QStringLiteral("lamp"), 1, QStringLiteral("k"));
    VariablesCollection second = first;
    GameVariables::change(second, QStringLiteral("door"), 1);
    second.Remove(QStringLiteral("k"));
    second.Add(QStringLiteral("new"), 1);
    EXPECT_EQ(GameVariables::value(first, QStringLiteral("door")), 0);
    EXPECT_EQ(first.Item(QStringLiteral("k"))->Name, QStringLiteral("lamp"));
    EXPECT_EQ(first.Count(), 2);
    EXPECT_EQ(GameVariables::value(second, QStringLiteral("door")), 1);
    EXPECT_EQ(second.Count(), 2);
    EXPECT_FALSE(first == second);
    // A change to no member leaves a copy equal to its original.
    VariablesCollection third = first;
    GameVariables::change(third, QStringLiteral("nobody"), 1);
    EXPECT_TRUE(third == first);
}

TEST(GameVariablesTest, LoadGivesEveryDeclaredNameZero)
{
    TempProject project;
    project.makeGame();
    VariablesCollection v;
    v.Add(QStringLiteral("old"), 1);
    GameFiles::writeVariables(project, {QStringLiteral("door"), QStringLiteral("Lamp"), QStringLiteral("door")});
    ASSERT_TRUE(GameVariables::load(v, variablesFile(project)));
    EXPECT_EQ(v.Count(), 3);
    EXPECT_EQ(GameVariables::value(v, QStringLiteral("door")), 0);
    EXPECT_EQ(GameVariables::value(v, QStringLiteral("old")), -1);
    EXPECT_EQ(GameVariables::value(v, QStringLiteral("lamp")), -1);  // names are compared exactly

    GameFiles::writeVariables(project, {});
    ASSERT_TRUE(GameVariables::load(v, variablesFile(project)));
    EXPECT_EQ(v.Count(), 0);
}

TEST(GameVariablesTest, ShortOrBrokenFilesKeepTheNamesRead)
{
    TempProject project;
    project.makeGame();
    VariablesCollection v;
    project.writeLines(QStringLiteral("Config/Variables"), {QStringLiteral("3"), QStringLiteral("\"a\""), QStringLiteral("\"b\"")});
    EXPECT_FALSE(GameVariables::load(v, variablesFile(project)));
    EXPECT_EQ(v.Count(), 2);

    // A huge count backed by no names ends at the end of the file.
    project.writeLines(QStringLiteral("Config/Variables"), {QStringLiteral("32767")});
    EXPECT_FALSE(GameVariables::load(v, variablesFile(project)));
    EXPECT_EQ(v.Count(), 0);

    project.writeLines(QStringLiteral("Config/Variables"), {QStringLiteral("many")});
    EXPECT_FALSE(GameVariables::load(v, variablesFile(project)));
    EXPECT_FALSE(GameVariables::load(v, project.path() + QStringLiteral("Config/Missing")));
}

TEST(GameVariablesTest, ChangeSetsInvertsAndReachesEverySameNamedMember)
{
    VariablesCollection v;
    v.Add(QStringLiteral("x"), 0);
    v.Add(QStringLiteral("y"), 0);
    v.Add(QStringLiteral("x"), 1);
    GameVariables::change(v, QStringLiteral("x"), -1);
    EXPECT_EQ(v.Item(qsizetype(1))->Value, 1);
    EXPECT_EQ(v.Item(qsizetype(3))->Value, 0);
    EXPECT_EQ(GameVariables::value(v, QStringLiteral("x")), 1);  // the first one's value
    GameVariables::change(v, QStringLiteral("x"), -1);
    EXPECT_EQ(GameVariables::value(v, QStringLiteral("x")), 0);
    GameVariables::change(v, QStringLiteral("y"), 1);
    GameVariables::change(v, QStringLiteral("Y"), 0);
    EXPECT_EQ(GameVariables::value(v, QStringLiteral("y")), 1);
    GameVariables::change(v, QStringLiteral("y"), 7);  // other values are taken over
    EXPECT_EQ(GameVariables::value(v, QStringLiteral("y")), 7);
}

}  // namespace
