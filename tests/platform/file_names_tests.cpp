#include "platform/FileNames.h"
#include "platform/Windows1252.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNamesTest, ResolvesEveryPartWithoutRegardToCase)
{
    TempProject project;
    project.write(QStringLiteral("Frames/Shore.FME"), "x");
    EXPECT_EQ(FileNames::resolve(project.path() + QStringLiteral("frames/shore.fme")),
              project.path() + QStringLiteral("Frames/Shore.FME"));
    EXPECT_TRUE(FileNames::exists(project.path() + QStringLiteral("FRAMES/shore.fme")));
    EXPECT_FALSE(FileNames::exists(project.path() + QStringLiteral("frames")));  // a folder, not a file
    // A missing file keeps its own name inside the resolved folder.
    EXPECT_EQ(FileNames::resolve(project.path() + QStringLiteral("FRAMES/New.fme")),
              project.path() + QStringLiteral("Frames/New.fme"));
}

TEST(FileNamesTest, ListsMatchingFilesSortedWithoutRegardToCase)
{
    TempProject project;
    for (const char* name : {"b.FME", "A.fme", "c.lks", "a2.Fme", ".sav"})
        project.write(QStringLiteral("Frames/") + QLatin1String(name), "x");
    project.write(QStringLiteral("Frames/folder.fme/inside"), "x");
    EXPECT_EQ(FileNames::list(project.path() + QStringLiteral("frames/"), QStringLiteral("*.fME")),
              QStringList({QStringLiteral("A.fme"), QStringLiteral("a2.Fme"), QStringLiteral("b.FME")}));
    EXPECT_TRUE(FileNames::list(project.path() + QStringLiteral("Nowhere/"), QStringLiteral("*")).isEmpty());
    // "*.*" also names files without an extension; "*." and "*.x" keep their plain meaning.
    project.write(QStringLiteral("Config/General"), "x");
    project.write(QStringLiteral("Config/Version.old"), "x");
    EXPECT_EQ(FileNames::list(project.path() + QStringLiteral("Config/"), QStringLiteral("*.*")),
              QStringList({QStringLiteral("General"), QStringLiteral("Version.old")}));
    EXPECT_EQ(FileNames::list(project.path() + QStringLiteral("Config/"), QStringLiteral("*.old")),
              QStringList({QStringLiteral("Version.old")}));
    // Several patterns: one sorted list, a file matching two of them once.
    EXPECT_EQ(FileNames::list(project.path() + QStringLiteral("Frames/"),
                              QStringList{QStringLiteral("*.lks"), QStringLiteral("a*"), QStringLiteral("*.fme")}),
              QStringList({QStringLiteral("A.fme"), QStringLiteral("a2.Fme"), QStringLiteral("b.FME"), QStringLiteral("c.lks")}));
}

TEST(FileNamesTest, OnlyPlainNamesBecomePartOfAPath)
{
    for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "tab\there", "nul\x01"})
        EXPECT_FALSE(FileNames::isPlainName(QString::fromLatin1(bad))) << bad;
    for (const char* good : {"Shore", "my save", "...", "a.b.c", "Ünïcode"})
        EXPECT_TRUE(FileNames::isPlainName(QString::fromUtf8(good))) << good;
    EXPECT_EQ(FileNames::inFolder(QStringLiteral("/p/Areas/"), QStringLiteral("../x")), QString());
}

TEST(FileNamesTest, Windows1252CodesCoverTheWholeCodePage)
{
    EXPECT_EQ(Windows1252::code(QChar(u'a')), 97);
    EXPECT_EQ(Windows1252::code(QChar(u'€')), 0x80);
    EXPECT_EQ(Windows1252::code(QChar(u'ÿ')), 255);
    EXPECT_EQ(Windows1252::code(QChar(u'Ω')), '?');
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString decoded = Windows1252::decode(all);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(Windows1252::code(decoded[i]), i);
}

}  // namespace
