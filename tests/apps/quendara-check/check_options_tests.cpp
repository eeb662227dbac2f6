#include "apps/quendara-check/CheckOptions.h"

#include <gtest/gtest.h>

namespace {

CheckOptions::Parsed parse(const QStringList& arguments) { return CheckOptions::parse(arguments, 1000); }

TEST(CheckOptionsTest, ReadsTheFolderAndEveryOptionInAnyOrder)
{
    const CheckOptions::Parsed parsed =
        parse({QStringLiteral("--json"), QStringLiteral("game"), QStringLiteral("--walkthrough=w.txt"),
               QStringLiteral("--max-states"), QStringLiteral("50")});
    EXPECT_TRUE(parsed.error.isEmpty());
    EXPECT_EQ(parsed.options.project, QStringLiteral("game"));
    EXPECT_TRUE(parsed.options.json);
    EXPECT_EQ(parsed.options.walkthrough, QStringLiteral("w.txt"));
    EXPECT_EQ(parsed.options.maxStates, 50);
    EXPECT_EQ(parse({QStringLiteral("game")}).options.maxStates, 1000);
}

TEST(CheckOptionsTest, RefusesWhatItCannotUse)
{
    EXPECT_FALSE(parse({}).error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("a"), QStringLiteral("b")}).error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("game"), QStringLiteral("--max-states"), QStringLiteral("0")}).error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("game"), QStringLiteral("--max-states=many")}).error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("game"), QStringLiteral("--walkthrough")}).error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("game"), QStringLiteral("--deep")}).error.isEmpty());
    EXPECT_TRUE(parse({QStringLiteral("--help")}).options.help);
}

}  // namespace
