#include "platform/Processes.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

TEST(ProcessesTest, StartAndWaitGivesTheExitCodeAndPassesQuotedArguments)
{
    EXPECT_EQ(Processes::startAndWait(QStringLiteral("true")), 0);
    EXPECT_EQ(Processes::startAndWait(QStringLiteral("sh -c \"exit 3\"")), 3);
    // A part in quotes reaches the program as one argument, blanks and all.
    EXPECT_EQ(Processes::startAndWait(QStringLiteral("sh -c \"test $# = 1 || exit 9; case $1 in a\\ b) exit 0;; esac; exit 1\" _ \"a b\"")), 0);
}

TEST(ProcessesTest, AProgramThatCannotStartIsReported)
{
    QString error;
    EXPECT_EQ(Processes::startAndWait(QStringLiteral("/nonexistent/compiler /cc x.iss"), &error), std::nullopt);
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_EQ(Processes::startAndWait(QStringLiteral("   "), &error), std::nullopt);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(Processes::start(QStringLiteral("/nonexistent/icon-editor")));
    EXPECT_TRUE(Processes::start(QStringLiteral("true")));
}

TEST(ProcessesTest, WindowsKeepWorkingWhileAProgramRuns)
{
    int fired = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start(50);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(Processes::startAndWait(QStringLiteral("sleep 0.6")), 0);
    EXPECT_GE(clock.elapsed(), 550);
    EXPECT_GE(fired, 3);  // one every 50 ms if events ran freely; waiting lets them run every 100 ms at worst
}

TEST(ProcessesTest, AProgramThatEndsAtOnceReturnsPromptly)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(Processes::startAndWait(QStringLiteral("true")), 0);
    EXPECT_LT(clock.elapsed(), 5000);  // no endless polling of an ended program
}

TEST(ProcessesTest, AProgramKilledBySignalIsNotAnExitCode)
{
    QString error;
    EXPECT_EQ(Processes::startAndWait(QStringLiteral("sh -c \"kill -9 $$\""), &error), std::nullopt);
}
