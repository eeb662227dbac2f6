#include "apps/playtest/PlaytestLog.h"
#include "apps/playtest/PlaytestOptions.h"
#include "player/DisplayOptions.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

class PlaytestLogTest : public ::testing::Test {
protected:
    void SetUp() override { buffer.open(QIODevice::WriteOnly); }

    QList<QByteArray> lines() const
    {
        QList<QByteArray> all = buffer.data().split('\n');
        EXPECT_TRUE(all.last().isEmpty());  // every line ends with a line break
        all.removeLast();
        return all;
    }
    QJsonObject object(const QByteArray& line) const
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        return document.object();
    }

    QBuffer buffer;
    PlaytestLog log{&buffer};
};

TEST_F(PlaytestLogTest, WritesOneObjectPerLineWithTheEventFirst)
{
    ScriptedDialogs::Shown shown;
    shown.text = QStringLiteral("Two\nlines \"quoted\"");
    shown.title = QStringLiteral("Quest");
    shown.icon = Dialogs::Icon::Question;
    shown.buttons = Dialogs::Buttons::OKCancel;
    shown.answer = Dialogs::Cancel;
    log.message(shown);
    log.frame(QStringLiteral("Hall"));
    log.mci(QStringLiteral("Status mid7 mode"), 0, QStringLiteral("playing"));
    log.mci(QStringLiteral("Open \"x.wav\" ALIAS wav7 TYPE Waveaudio wait"), 275);

    const QList<QByteArray> all = lines();
    ASSERT_EQ(all.size(), 4);
    EXPECT_TRUE(all[0].startsWith("{\"event\":\"message\","));
    EXPECT_TRUE(all[1].startsWith("{\"event\":\"frame\","));
    const QJsonObject message = object(all[0]);
    EXPECT_EQ(message.value(QStringLiteral("text")).toString(), shown.text);
    EXPECT_EQ(message.value(QStringLiteral("title")).toString(), QStringLiteral("Quest"));
    EXPECT_EQ(message.value(QStringLiteral("icon")).toString(), QStringLiteral("question"));
    EXPECT_EQ(message.value(QStringLiteral("buttons")).toString(), QStringLiteral("OKCancel"));
    EXPECT_EQ(message.value(QStringLiteral("answer")).toString(), QStringLiteral("Cancel"));
    EXPECT_EQ(object(all[1]).value(QStringLiteral("name")).toString(), QStringLiteral("Hall"));
    EXPECT_EQ(object(all[2]).value(QStringLiteral("reply")).toString(), QStringLiteral("playing"));
    const QJsonObject failed = object(all[3]);
    EXPECT_EQ(failed.value(QStringLiteral("result")).toInt(), 275);
    EXPECT_FALSE(failed.contains(QStringLiteral("reply")));
}

TEST_F(PlaytestLogTest, StateHoldsTheGameAsTheWindowHoldsIt)
{
    PlaytestState state;
    state.gameShown = true;
    state.frame = QStringLiteral("Hall");
    state.variables = {{QStringLiteral("door"), 1}};
    state.disappeared = {{QStringLiteral("Hall"), 2}};
    state.inventory = {{QStringLiteral("key"), 35, 0}};
    state.areas = {{1, QRectF(630, 630.5, 450, 300), false}};
    log.state(3, QStringLiteral("click 2"), state);
    PlaytestState welcomeOnly;
    welcomeOnly.welcome = true;
    log.state(4, QStringLiteral("menu exit"), welcomeOnly);

    const QList<QByteArray> all = lines();
    ASSERT_EQ(all.size(), 2);
    const QJsonObject json = object(all[0]);
    EXPECT_EQ(json.value(QStringLiteral("event")).toString(), QStringLiteral("state"));
    EXPECT_EQ(json.value(QStringLiteral("step")).toInt(), 3);
    EXPECT_EQ(json.value(QStringLiteral("command")).toString(), QStringLiteral("click 2"));
    EXPECT_EQ(json.value(QStringLiteral("frame")).toString(), QStringLiteral("Hall"));
    EXPECT_FALSE(json.value(QStringLiteral("welcome")).toBool(true));
    EXPECT_EQ(json.value(QStringLiteral("variables")).toArray(), (QJsonArray{QJsonArray{QStringLiteral("door"), 1}}));
    EXPECT_EQ(json.value(QStringLiteral("disappeared")).toArray(), (QJsonArray{QJsonArray{QStringLiteral("Hall"), 2}}));
    const QJsonObject icon = json.value(QStringLiteral("inventory")).toArray()[0].toObject();
    EXPECT_EQ(icon, (QJsonObject{{QStringLiteral("name"), QStringLiteral("key")}, {QStringLiteral("left"), 35}, {QStringLiteral("top"), 0}}));
    const QJsonObject area = json.value(QStringLiteral("areas")).toArray()[0].toObject();
    EXPECT_EQ(area.value(QStringLiteral("n")).toInt(), 1);
    EXPECT_EQ(area.value(QStringLiteral("top")).toDouble(), 630.5);
    EXPECT_EQ(area.value(QStringLiteral("width")).toDouble(), 450);
    EXPECT_FALSE(area.value(QStringLiteral("visible")).toBool(true));

    // With no game on screen the frame is null and the game's lists are empty.
    const QJsonObject idle = object(all[1]);
    EXPECT_TRUE(idle.value(QStringLiteral("frame")).isNull());
    EXPECT_TRUE(idle.value(QStringLiteral("welcome")).toBool());
    EXPECT_TRUE(idle.value(QStringLiteral("areas")).toArray().isEmpty());
}

TEST(PlaytestOptionsTest, ReadsBothFormsAndRefusesMistakes)
{
    auto parse = [](std::initializer_list<const char*> words) {
        QStringList arguments;
        for (const char* w : words)
            arguments.append(QString::fromUtf8(w));
        return PlaytestOptions::parse(arguments);
    };
    const auto full = parse({"--project", "game", "--script=walk.txt", "--log", "out.jsonl", "--screenshots=shots",
                             "--visible", "--no-sound"});
    ASSERT_TRUE(full.error.isEmpty()) << full.error.toStdString();
    EXPECT_EQ(full.options.project, QStringLiteral("game"));
    EXPECT_EQ(full.options.script, QStringLiteral("walk.txt"));
    EXPECT_EQ(full.options.log, QStringLiteral("out.jsonl"));
    EXPECT_EQ(full.options.screenshots, QStringLiteral("shots"));
    EXPECT_TRUE(full.options.visible);
    EXPECT_TRUE(full.options.noSound);

    const auto plain = parse({"--script", "a=b.txt", "--project", "g"});
    EXPECT_TRUE(plain.error.isEmpty());
    EXPECT_EQ(plain.options.script, QStringLiteral("a=b.txt"));
    EXPECT_FALSE(plain.options.visible);

    EXPECT_TRUE(parse({"--help"}).options.help);
    EXPECT_TRUE(parse({"--help"}).error.isEmpty());
    EXPECT_EQ(parse({"--script", "s"}).error, QStringLiteral("--project DIR is required"));
    EXPECT_EQ(parse({"--project", "g"}).error, QStringLiteral("--script FILE is required"));
    EXPECT_EQ(parse({"--project", "g", "--script"}).error, QStringLiteral("--script needs a value"));
    EXPECT_EQ(parse({"--project=", "--script", "s"}).error, QStringLiteral("--project needs a value"));
    EXPECT_EQ(parse({"--project", "g", "--project", "h", "--script", "s"}).error, QStringLiteral("--project is given twice"));
    EXPECT_EQ(parse({"--project", "g", "--script", "s", "--fast"}).error, QStringLiteral("unknown option '--fast'"));
    EXPECT_EQ(parse({"g", "s"}).error, QStringLiteral("unknown option 'g'"));

    // The game's own size unless told otherwise.
    EXPECT_EQ(plain.options.scale, 1);
    EXPECT_EQ(parse({"--project", "g", "--script", "s", "--scale=3"}).options.scale, 3);
    EXPECT_EQ(parse({"--project", "g", "--script", "s", "--scale", "auto"}).options.scale, DisplayOptions::kAuto);
    EXPECT_FALSE(parse({"--project", "g", "--script", "s", "--scale", "0"}).error.isEmpty());
}

}  // namespace
