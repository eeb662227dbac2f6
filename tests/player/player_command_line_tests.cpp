#include "player/PlayerCommandLine.h"

#include <gtest/gtest.h>

namespace {

PlayerCommandLine parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("run"));
    return PlayerCommandLine::parse(arguments);
}

TEST(PlayerCommandLineTest, WithoutArgumentsDrawsAsLargeAsFitsAndStartsAtTheWelcomeWindow)
{
    const PlayerCommandLine line = parse({});
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_EQ(line.display.scale, DisplayOptions::kAuto);
    EXPECT_FALSE(line.display.sharp);
    EXPECT_TRUE(line.frame.isEmpty());
    EXPECT_TRUE(line.state.isEmpty());
}

TEST(PlayerCommandLineTest, ReadsScaleSharpFrameAndState)
{
    PlayerCommandLine line = parse({QStringLiteral("--scale"), QStringLiteral("3"), QStringLiteral("--sharp")});
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_EQ(line.display.scale, 3);
    EXPECT_TRUE(line.display.sharp);
    line = parse({QStringLiteral("--scale=AUTO")});
    EXPECT_EQ(line.display.scale, DisplayOptions::kAuto);
    line = parse({QStringLiteral("--frame"), QStringLiteral("Dark Cellar"), QStringLiteral("--state"),
                  QStringLiteral("before the door")});
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_EQ(line.frame, QStringLiteral("Dark Cellar"));
    EXPECT_EQ(line.state, QStringLiteral("before the door"));
}

TEST(PlayerCommandLineTest, RefusesWhatItCannotUse)
{
    const QList<QStringList> bad = {
        {QStringLiteral("--scale"), QStringLiteral("0")},
        {QStringLiteral("--scale"), QStringLiteral("2.5")},
        {QStringLiteral("--scale"), QStringLiteral("big")},
        {QStringLiteral("--scale"), QStringLiteral("17")},
        {QStringLiteral("--scale")},
        {QStringLiteral("--state"), QStringLiteral("save1")},  // a state needs a frame
        {QStringLiteral("--frame=")},
        {QStringLiteral("--zoom")},
        {QStringLiteral("game")},
    };
    for (const QStringList& arguments : bad)
        EXPECT_FALSE(parse(arguments).error.isEmpty()) << arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(parse({QStringLiteral("--scale"), QStringLiteral("16")}).error.isEmpty());
}

}  // namespace
