#include "apps/playtest/PlaytestScript.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

using Kind = PlaytestCommand::Kind;

PlaytestCommand only(const QString& line)
{
    const PlaytestScript script = PlaytestScript::parse(line);
    EXPECT_TRUE(script.isValid()) << (script.errors().isEmpty() ? "" : script.errors()[0].message.toStdString());
    EXPECT_EQ(script.commands().size(), 1);
    return script.commands().value(0);
}

QString errorOf(const QString& line)
{
    const PlaytestScript script = PlaytestScript::parse(line);
    EXPECT_EQ(script.errors().size(), 1) << line.toStdString();
    return script.errors().isEmpty() ? QString() : script.errors()[0].message;
}

TEST(PlaytestScriptTest, ReadsEveryCommandWithItsValues)
{
    const PlaytestScript script = PlaytestScript::parse(QStringLiteral(
        "new\nclick 3\ndrag 2 5\nkey escape\nmenu exit\nsave my game\nload my game\nanswer Cancel\nwait 1.25\n"
        "screenshot hall\nexpect frame Great Hall\nexpect var door 1\nexpect inventory key, lamp,rope\n"
        "expect visible 4 no\nexpect message Hello\nexpect welcome\n"));
    ASSERT_TRUE(script.isValid());
    const QList<PlaytestCommand>& c = script.commands();
    ASSERT_EQ(c.size(), 16);
    const Kind kinds[] = {Kind::New, Kind::Click, Kind::Drag, Kind::KeyEscape, Kind::MenuExit, Kind::Save,
                          Kind::Load, Kind::Answer, Kind::Wait, Kind::Screenshot, Kind::ExpectFrame, Kind::ExpectVar,
                          Kind::ExpectInventory, Kind::ExpectVisible, Kind::ExpectMessage, Kind::ExpectWelcome};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(c[i].kind, kinds[i]) << i;
        EXPECT_EQ(c[i].line, i + 1);
    }
    EXPECT_EQ(c[1].area, 3);
    EXPECT_EQ(c[2].icon, 2);
    EXPECT_EQ(c[2].area, 5);
    EXPECT_EQ(c[5].name, QStringLiteral("my game"));
    EXPECT_EQ(c[6].name, QStringLiteral("my game"));
    EXPECT_EQ(c[7].answer, Dialogs::Cancel);
    EXPECT_EQ(c[8].milliseconds, 1250);
    EXPECT_EQ(c[9].name, QStringLiteral("hall"));
    EXPECT_EQ(c[10].name, QStringLiteral("Great Hall"));
    EXPECT_EQ(c[11].name, QStringLiteral("door"));
    EXPECT_EQ(c[11].value, 1);
    EXPECT_EQ(c[12].names, (QStringList{QStringLiteral("key"), QStringLiteral("lamp"), QStringLiteral("rope")}));
    EXPECT_EQ(c[13].area, 4);
    EXPECT_FALSE(c[13].shown);
    EXPECT_EQ(c[14].name, QStringLiteral("Hello"));
    EXPECT_FALSE(c[0].isExpectation());
    EXPECT_TRUE(c[15].isExpectation());
}

TEST(PlaytestScriptTest, SkipsBlankAndCommentLinesAndKeepsLineNumbers)
{
    const PlaytestScript script =
        PlaytestScript::parse(QStringLiteral("# start\r\n\r\n   \r\n  new  \r\n\t# indented comment\r\nCLICK 1\r\n"));
    ASSERT_TRUE(script.isValid());
    ASSERT_EQ(script.commands().size(), 2);
    EXPECT_EQ(script.commands()[0].line, 4);
    EXPECT_EQ(script.commands()[0].text, QStringLiteral("new"));
    EXPECT_EQ(script.commands()[1].line, 6);
    EXPECT_EQ(script.commands()[1].kind, Kind::Click);  // keywords in any case
    EXPECT_EQ(only(QStringLiteral("Answer yes")).answer, Dialogs::Yes);
    EXPECT_EQ(only(QStringLiteral("answer NO")).answer, Dialogs::No);
    EXPECT_EQ(only(QStringLiteral("answer ok")).answer, Dialogs::OK);
}

TEST(PlaytestScriptTest, MessageTextIsTheRestOfTheLineAsWritten)
{
    EXPECT_EQ(only(QStringLiteral("expect message  two blanks, one kept ")).name, QStringLiteral(" two blanks, one kept "));
    EXPECT_EQ(only(QStringLiteral("expect message Line one\\nLine two")).name, QStringLiteral("Line one\nLine two"));
    EXPECT_EQ(only(QStringLiteral("expect message a\\\\nb")).name, QStringLiteral("a\\nb"));
    EXPECT_EQ(only(QStringLiteral("expect message C:\\Games\\x")).name, QStringLiteral("C:\\Games\\x"));
    EXPECT_EQ(only(QStringLiteral("expect message ends with \\")).name, QStringLiteral("ends with \\"));
    EXPECT_EQ(only(QStringLiteral("expect message # not a comment")).name, QStringLiteral("# not a comment"));
    EXPECT_EQ(only(QStringLiteral("expect message")).name, QString());
    EXPECT_EQ(only(QStringLiteral("expect message x\r")).name, QStringLiteral("x"));
}

TEST(PlaytestScriptTest, VariableNamesAndInventoryListsMayHoldBlanks)
{
    PlaytestCommand c = only(QStringLiteral("expect var  door  is open   -1 "));
    EXPECT_EQ(c.name, QStringLiteral("door  is open"));
    EXPECT_EQ(c.value, -1);
    c = only(QStringLiteral("expect var x 32767"));
    EXPECT_EQ(c.value, 32767);
    EXPECT_TRUE(only(QStringLiteral("expect inventory")).names.isEmpty());
    EXPECT_TRUE(only(QStringLiteral("expect inventory   ")).names.isEmpty());
    EXPECT_EQ(only(QStringLiteral("expect inventory old key , lamp")).names,
              (QStringList{QStringLiteral("old key"), QStringLiteral("lamp")}));
    EXPECT_EQ(only(QStringLiteral("wait 0")).milliseconds, 0);
    EXPECT_EQ(only(QStringLiteral("wait 3600")).milliseconds, 3600000);
    EXPECT_TRUE(only(QStringLiteral("expect visible 2 YES")).shown);
}

TEST(PlaytestScriptTest, RefusesMalformedLinesWithTheReason)
{
    EXPECT_TRUE(errorOf(QStringLiteral("click 0")).contains(QStringLiteral("area number")));
    EXPECT_TRUE(errorOf(QStringLiteral("click -2")).contains(QStringLiteral("area number")));
    EXPECT_TRUE(errorOf(QStringLiteral("click")).contains(QStringLiteral("area number")));
    EXPECT_TRUE(errorOf(QStringLiteral("click 1 2")).contains(QStringLiteral("unexpected '2'")));
    EXPECT_TRUE(errorOf(QStringLiteral("click 99999999999")).contains(QStringLiteral("area number")));
    EXPECT_TRUE(errorOf(QStringLiteral("drag 1")).contains(QStringLiteral("drag K N")));
    EXPECT_TRUE(errorOf(QStringLiteral("drag 0 1")).contains(QStringLiteral("drag K N")));
    EXPECT_TRUE(errorOf(QStringLiteral("key enter")).contains(QStringLiteral("escape")));
    EXPECT_TRUE(errorOf(QStringLiteral("menu save")).contains(QStringLiteral("save NAME")));
    EXPECT_TRUE(errorOf(QStringLiteral("save")).contains(QStringLiteral("name")));
    EXPECT_TRUE(errorOf(QStringLiteral("load   ")).contains(QStringLiteral("name")));
    EXPECT_TRUE(errorOf(QStringLiteral("answer maybe")).contains(QStringLiteral("OK, Cancel, Yes or No")));
    for (const char* wait : {"wait", "wait -1", "wait 3600.5", "wait nan", "wait inf", "wait 1e999", "wait 2s"})
        EXPECT_TRUE(errorOf(QLatin1String(wait)).contains(QStringLiteral("seconds"))) << wait;
    for (const char* shot : {"screenshot", "screenshot ../up", "screenshot a/b", "screenshot .."})
        EXPECT_TRUE(errorOf(QLatin1String(shot)).contains(QStringLiteral("plain file name"))) << shot;
    EXPECT_TRUE(errorOf(QStringLiteral("expect frame")).contains(QStringLiteral("frame name")));
    EXPECT_TRUE(errorOf(QStringLiteral("expect var door")).contains(QStringLiteral("NAME VALUE")));
    EXPECT_TRUE(errorOf(QStringLiteral("expect var door one")).contains(QStringLiteral("NAME VALUE")));
    EXPECT_TRUE(errorOf(QStringLiteral("expect var door 40000")).contains(QStringLiteral("NAME VALUE")));
    EXPECT_TRUE(errorOf(QStringLiteral("expect inventory a,,b")).contains(QStringLiteral("empty name")));
    EXPECT_TRUE(errorOf(QStringLiteral("expect visible 1")).contains(QStringLiteral("'yes' or 'no'")));
    EXPECT_TRUE(errorOf(QStringLiteral("expect visible x yes")).contains(QStringLiteral("area number")));
    EXPECT_TRUE(errorOf(QStringLiteral("expect welcome now")).contains(QStringLiteral("unexpected 'now'")));
    EXPECT_TRUE(errorOf(QStringLiteral("expect score 3")).contains(QStringLiteral("unknown expectation 'score'")));
    EXPECT_TRUE(errorOf(QStringLiteral("jump 3")).contains(QStringLiteral("unknown command 'jump'")));
}

TEST(PlaytestScriptTest, ReportsEveryBadLineBeforeAnythingIsPlayed)
{
    const PlaytestScript script = PlaytestScript::parse(QStringLiteral("new\nclick x\n\njump\nexpect welcome\n"));
    EXPECT_FALSE(script.isValid());
    ASSERT_EQ(script.errors().size(), 2);
    EXPECT_EQ(script.errors()[0].line, 2);
    EXPECT_EQ(script.errors()[1].line, 4);
}

TEST(PlaytestScriptTest, LoadsFilesAsUtf8AndReportsAMissingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("walk.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("expect frame Caf\xc3\xa9\r\n");
    file.close();
    const PlaytestScript script = PlaytestScript::load(path);
    ASSERT_TRUE(script.isValid());
    EXPECT_EQ(script.commands()[0].name, QStringLiteral("Caf\u00e9"));

    const PlaytestScript missing = PlaytestScript::load(dir.filePath(QStringLiteral("none.txt")));
    ASSERT_EQ(missing.errors().size(), 1);
    EXPECT_EQ(missing.errors()[0].line, 0);
}

}  // namespace
