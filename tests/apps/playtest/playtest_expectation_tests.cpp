#include "apps/playtest/PlaytestExpectation.h"
#include "apps/playtest/PlaytestScript.h"

#include <gtest/gtest.h>

namespace {

PlaytestCommand command(const QString& line)
{
    const PlaytestScript script = PlaytestScript::parse(line);
    EXPECT_TRUE(script.isValid());
    return script.commands().value(0);
}

class PlaytestExpectationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hall.gameShown = true;
        hall.frame = QStringLiteral("Hall");
        hall.variables = {{QStringLiteral("door"), 1}, {QStringLiteral("lamp"), 0}, {QStringLiteral("door"), 0}};
        hall.inventory = {{QStringLiteral("key"), 0, 0}, {QStringLiteral("old rope"), 35, 0}};
        hall.areas = {{1, QRectF(630, 630, 450, 450), true}, {2, QRectF(30, 30, 600, 450), false}};
        welcome.welcome = true;
    }

    // Nothing when the line's expectation holds, else the reason.
    std::optional<QString> check(const QString& line, const PlaytestState& state,
                                 const std::optional<QString>& lastMessage = std::nullopt)
    {
        return PlaytestExpectation::check(command(line), state, lastMessage);
    }

    PlaytestState hall;
    PlaytestState welcome;
};

TEST_F(PlaytestExpectationTest, FrameNamesCompareWithoutLetterCase)
{
    EXPECT_FALSE(check(QStringLiteral("expect frame Hall"), hall));
    EXPECT_FALSE(check(QStringLiteral("expect frame hALL"), hall));
    EXPECT_EQ(check(QStringLiteral("expect frame Yard"), hall), QStringLiteral("expected frame 'Yard', found frame 'Hall'"));
    EXPECT_EQ(check(QStringLiteral("expect frame Hall"), welcome),
              QStringLiteral("expected frame 'Hall', found no game on screen (the welcome window is shown)"));
}

TEST_F(PlaytestExpectationTest, VariablesReadLikeGetVariableValue)
{
    // The first variable of a name counts, names compare exactly, and an
    // unknown name reads -1.
    EXPECT_FALSE(check(QStringLiteral("expect var door 1"), hall));
    EXPECT_FALSE(check(QStringLiteral("expect var Door -1"), hall));
    EXPECT_FALSE(check(QStringLiteral("expect var ghost -1"), hall));
    EXPECT_EQ(check(QStringLiteral("expect var lamp 1"), hall), QStringLiteral("expected variable 'lamp' = 1, found 0"));
    EXPECT_EQ(check(QStringLiteral("expect var ghost 0"), hall),
              QStringLiteral("expected variable 'ghost' = 0, found -1 (no variable of that name)"));
    EXPECT_TRUE(check(QStringLiteral("expect var door 1"), welcome)->contains(QStringLiteral("no game on screen")));
}

TEST_F(PlaytestExpectationTest, InventoryMustMatchInOrder)
{
    EXPECT_FALSE(check(QStringLiteral("expect inventory key,old rope"), hall));
    EXPECT_EQ(check(QStringLiteral("expect inventory old rope,key"), hall),
              QStringLiteral("expected [old rope,key], found [key,old rope]"));
    EXPECT_EQ(check(QStringLiteral("expect inventory"), hall), QStringLiteral("expected an empty inventory, found [key,old rope]"));
    PlaytestState empty = hall;
    empty.inventory.clear();
    EXPECT_FALSE(check(QStringLiteral("expect inventory"), empty));
    EXPECT_EQ(check(QStringLiteral("expect inventory key"), empty), QStringLiteral("expected [key], found an empty inventory"));
}

TEST_F(PlaytestExpectationTest, VisibilityNeedsTheAreaToExist)
{
    EXPECT_FALSE(check(QStringLiteral("expect visible 1 yes"), hall));
    EXPECT_FALSE(check(QStringLiteral("expect visible 2 no"), hall));
    EXPECT_EQ(check(QStringLiteral("expect visible 2 yes"), hall),
              QStringLiteral("expected area 2 of frame 'Hall' visible, found it hidden"));
    EXPECT_EQ(check(QStringLiteral("expect visible 3 no"), hall),
              QStringLiteral("expected area 3 hidden, but frame 'Hall' has 2 area(s)"));
    EXPECT_TRUE(check(QStringLiteral("expect visible 1 yes"), welcome)->contains(QStringLiteral("no game on screen")));
}

TEST_F(PlaytestExpectationTest, MessageIsTheLastOneShown)
{
    const QString text = QStringLiteral("Line one\nLine two");
    EXPECT_FALSE(check(QStringLiteral("expect message Line one\\nLine two"), hall, text));
    EXPECT_EQ(check(QStringLiteral("expect message Line one"), hall, text),
              QStringLiteral("expected the message \"Line one\", found \"Line one\\nLine two\""));
    EXPECT_EQ(check(QStringLiteral("expect message Hello"), hall),
              QStringLiteral("expected the message \"Hello\", but no message box has been shown"));
    // Trailing blanks are part of the text.
    EXPECT_TRUE(check(QStringLiteral("expect message Hello "), hall, QStringLiteral("Hello")));
}

TEST_F(PlaytestExpectationTest, WelcomeMeansNoGameOnScreen)
{
    EXPECT_FALSE(check(QStringLiteral("expect welcome"), welcome));
    EXPECT_EQ(check(QStringLiteral("expect welcome"), hall), QStringLiteral("expected the welcome window, found the game on frame 'Hall'"));
    EXPECT_EQ(check(QStringLiteral("expect welcome"), PlaytestState()), QStringLiteral("expected the welcome window, found no window shown"));
}

TEST(PlaytestStateTest, LooksUpVariablesAreasAndInventoryNames)
{
    PlaytestState state;
    state.variables = {{QStringLiteral("a"), 0}, {QStringLiteral("a"), 1}};
    state.areas = {{1, QRectF(), true}, {3, QRectF(), false}};
    state.inventory = {{QStringLiteral("x"), 0, 0}, {QStringLiteral("y"), 35, 0}};
    EXPECT_EQ(state.variable(QStringLiteral("a")), 0);
    EXPECT_EQ(state.variable(QStringLiteral("A")), -1);
    EXPECT_TRUE(state.area(3).has_value());
    EXPECT_FALSE(state.area(2).has_value());
    EXPECT_EQ(state.inventoryNames(), (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
}

}  // namespace
