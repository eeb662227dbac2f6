#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

// Runs the playtest program on copies of the games in tests/data/playtest, so
// that the saved games it writes stay out of the source tree.
namespace {

const QString kData = QStringLiteral(QUENDARA_TEST_DATA "/playtest/");

void copyFolder(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

class PlaytestProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        game = work.filePath(QStringLiteral("manor"));
        copyFolder(kData + QStringLiteral("manor"), game);
        logPath = work.filePath(QStringLiteral("log.jsonl"));
    }

    struct Run {
        int code = -1;
        QString out;
        QString err;
    };

    Run play(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(PLAYTEST_PROGRAM), arguments);
        EXPECT_TRUE(process.waitForFinished(180000));
        Run run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
        return run;
    }

    Run playScript(const QString& script, const QStringList& extra = {})
    {
        return play(QStringList{QStringLiteral("--project"), game, QStringLiteral("--script"), script,
                                QStringLiteral("--log"), logPath} + extra);
    }

    Run playText(const QString& text, const QStringList& extra = {})
    {
        const QString script = work.filePath(QStringLiteral("script.txt"));
        QFile file(script);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
        file.close();
        return playScript(script, extra);
    }

    QList<QJsonObject> log(const QString& event = QString()) const
    {
        QList<QJsonObject> lines;
        QFile file(logPath);
        if (!file.open(QIODevice::ReadOnly))
            return lines;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.isEmpty())
                continue;
            QJsonParseError error;
            const QJsonObject json = QJsonDocument::fromJson(line, &error).object();
            EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
            if (event.isEmpty() || json.value(QStringLiteral("event")).toString() == event)
                lines.append(json);
        }
        return lines;
    }

    static QStringList values(const QList<QJsonObject>& lines, const char* key)
    {
        QStringList out;
        for (const QJsonObject& json : lines)
            out.append(json.value(QLatin1String(key)).toString());
        return out;
    }

    QTemporaryDir work;
    QString game;
    QString logPath;
};

TEST_F(PlaytestProgramTest, WalkthroughPlaysTheWholeGameAndLogsIt)
{
    const QString shots = work.filePath(QStringLiteral("shots"));
    const Run run = playScript(kData + QStringLiteral("walkthrough.txt"), {QStringLiteral("--screenshots"), shots});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("50 step(s) played"))) << run.out.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

    // A state after every step, in order.
    const QList<QJsonObject> states = log(QStringLiteral("state"));
    ASSERT_EQ(states.size(), 50);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(states[i].value(QStringLiteral("step")).toInt(), i + 1);

    // New game, trapdoor, the cellar's timer, the doorway, the loaded game.
    EXPECT_EQ(values(log(QStringLiteral("frame")), "name"),
              (QStringList{QStringLiteral("Hall"), QStringLiteral("Cellar"), QStringLiteral("Hall"), QStringLiteral("Yard"),
                           QStringLiteral("Hall")}));

    const QList<QJsonObject> messages = log(QStringLiteral("message"));
    EXPECT_EQ(values(messages, "text"),
              (QStringList{QStringLiteral("The door is locked."), QStringLiteral("You take the key."),
                           QStringLiteral("The door opens."), QStringLiteral("Well done!"),
                           QStringLiteral("'before door' already exists. Are you sure you want to replace it?")}));
    EXPECT_EQ(messages[0].value(QStringLiteral("title")).toString(), QStringLiteral("Playtest Manor"));
    EXPECT_EQ(messages[0].value(QStringLiteral("icon")).toString(), QStringLiteral("information"));
    EXPECT_EQ(messages[4].value(QStringLiteral("icon")).toString(), QStringLiteral("question"));
    EXPECT_EQ(messages[4].value(QStringLiteral("buttons")).toString(), QStringLiteral("OKCancel"));
    EXPECT_EQ(messages[4].value(QStringLiteral("answer")).toString(), QStringLiteral("Cancel"));

    // The sound of the key and the cellar's video, played for real on the
    // offscreen platform and the silent sound driver.
    bool soundOpened = false;
    bool videoPlayed = false;
    for (const QJsonObject& mci : log(QStringLiteral("mci"))) {
        const QString command = mci.value(QStringLiteral("command")).toString();
        if (command.startsWith(QLatin1String("Open ")) && command.contains(QLatin1String("drip.wav"))) {
            soundOpened = true;
            EXPECT_EQ(mci.value(QStringLiteral("result")).toInt(-1), 0);
        }
        if (command.startsWith(QLatin1String("play ")) && command.endsWith(QLatin1String(" wait"))) {
            videoPlayed = true;
            EXPECT_EQ(mci.value(QStringLiteral("result")).toInt(-1), 0);
        }
    }
    EXPECT_TRUE(soundOpened);
    EXPECT_TRUE(videoPlayed);

    // After the key was taken (step 14): its icon in the first cell, its area gone.
    const QJsonObject taken = states[13];
    EXPECT_EQ(taken.value(QStringLiteral("command")).toString(), QStringLiteral("click 1"));
    EXPECT_EQ(taken.value(QStringLiteral("frame")).toString(), QStringLiteral("Hall"));
    EXPECT_EQ(taken.value(QStringLiteral("inventory")).toArray(),
              (QJsonArray{QJsonObject{{QStringLiteral("name"), QStringLiteral("key")}, {QStringLiteral("left"), 0}, {QStringLiteral("top"), 0}}}));
    EXPECT_EQ(taken.value(QStringLiteral("disappeared")).toArray(), (QJsonArray{QJsonArray{QStringLiteral("Hall"), 1}}));
    const QJsonArray areas = taken.value(QStringLiteral("areas")).toArray();
    ASSERT_EQ(areas.size(), 4);
    EXPECT_EQ(areas[0].toObject(), (QJsonObject{{QStringLiteral("n"), 1}, {QStringLiteral("left"), 630}, {QStringLiteral("top"), 630},
                                                {QStringLiteral("width"), 450}, {QStringLiteral("height"), 450},
                                                {QStringLiteral("visible"), false}}));
    EXPECT_EQ(taken.value(QStringLiteral("variables")).toArray(),
              (QJsonArray{QJsonArray{QStringLiteral("door"), 0}, QJsonArray{QStringLiteral("lamp"), 0}}));

    // The saved game was written by the game's own dialog, and kept when
    // replacing it was cancelled.
    QFile saved(game + QStringLiteral("/before door.sav"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("\"Hall\"\r\n"));

    for (const QString& name : {QStringLiteral("welcome"), QStringLiteral("hall-with-key")}) {
        const QImage shot(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
        EXPECT_FALSE(shot.isNull()) << name.toStdString();
    }
    EXPECT_EQ(QImage(shots + QStringLiteral("/hall-with-key.png")).size(), QSize(1024, 768));
}

TEST_F(PlaytestProgramTest, FailedExpectationEndsTheRunWithExitOne)
{
    const Run run = playScript(kData + QStringLiteral("failing-expect.txt"));
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, QStringLiteral("playtest: step 4 (line 5: expect var door 1) failed: expected variable 'door' = 1, found 0\n"));
    const QList<QJsonObject> states = log(QStringLiteral("state"));
    ASSERT_EQ(states.size(), 4);  // the steps after the failure are not played
    EXPECT_EQ(states.last().value(QStringLiteral("command")).toString(), QStringLiteral("expect var door 1"));
}

TEST_F(PlaytestProgramTest, BadScriptExitsTwoBeforeAnythingIsPlayed)
{
    const QString script = kData + QStringLiteral("bad-line.txt");
    const Run run = playScript(script);
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains(script + QStringLiteral(":2: click needs an area number from 1, not 'one'"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(script + QStringLiteral(":4: unknown command 'jump'"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(logPath));
}

TEST_F(PlaytestProgramTest, WrongOptionsExitTwo)
{
    const QString script = kData + QStringLiteral("walkthrough.txt");
    Run run = play({});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: playtest")));
    run = play({QStringLiteral("--project"), work.filePath(QStringLiteral("nowhere")), QStringLiteral("--script"), script});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("there is no project folder")));
    run = play({QStringLiteral("--project"), game, QStringLiteral("--script"), work.filePath(QStringLiteral("none.txt"))});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("cannot read the script")));
    // The walkthrough takes screenshots: it needs a folder for them.
    run = play({QStringLiteral("--project"), game, QStringLiteral("--script"), script});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--screenshots DIR")));
    run = play({QStringLiteral("--project"), game, QStringLiteral("--script"), kData + QStringLiteral("failing-expect.txt"),
                QStringLiteral("--log"), work.filePath(QStringLiteral("no/such/folder/log.jsonl"))});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("cannot write the log")));
    run = play({QStringLiteral("--help")});
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("--no-sound")));
}

TEST_F(PlaytestProgramTest, ActionsAPlayerCannotTakeFailTheRun)
{
    const struct {
        const char* script;
        const char* failure;
    } cases[] = {
        {"new\nclick 3\n", "step 2 (line 2: click 3) failed: area 3 of frame 'Hall' is not visible"},
        {"new\nclick 9\n", "frame 'Hall' has no area 9 (it has 4)"},
        {"click 1\n", "no game on screen (start one with 'new' or 'load NAME')"},
        {"new\nsave early\n", "the game's menu is hidden: a player shows it with Escape ('key escape')"},
        {"new\nmenu exit\n", "the game's menu is hidden"},
        {"new\ndrag 1 2\n", "the inventory has no icon 1 (it holds 0 object(s))"},
        {"new\nclick 1\ndrag 1 3\n", "area 3 of frame 'Hall' is not visible"},
        {"new\nnew\n", "the welcome window is not shown (a game is being played)"},
        {"load nothing\n", "there is no saved game 'nothing' to load (saved games: none)"},
        {"expect message x\n", "expected the message \"x\", but no message box has been shown"},
        // An answer the box has no button for, and one no box ever used.
        {"new\nanswer Yes\nclick 2\n", "the answer Yes was given to a message box with the buttons OK: \"The door is locked.\""},
        {"new\nanswer OK\n", "1 answer(s) queued by the script were never used by a message box"},
    };
    for (const auto& c : cases) {
        const Run run = playText(QString::fromUtf8(c.script), {QStringLiteral("--no-sound")});
        EXPECT_EQ(run.code, 1) << c.script;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.failure))) << c.script << " gave: " << run.err.toStdString();
    }
}

TEST_F(PlaytestProgramTest, SavedGamesRoundTripAndADamagedOneLeavesTheWelcomeWindow)
{
    Run run = playText(QStringLiteral("new\nclick 1\nclick 4\nkey escape\nsave Cellar Run\nmenu exit\n"
                                      "load cellar run\nexpect frame Cellar\nexpect inventory key\nexpect var lamp 1\n"),
                   {QStringLiteral("--no-sound")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();

    QFile broken(game + QStringLiteral("/broken.sav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\"Hall\"\r\n2\r\n\"door\"\r\n");
    broken.close();
    const QString path = QDir(game).absolutePath() + QStringLiteral("/broken.sav");
    run = playText(QStringLiteral("load broken\nexpect welcome\nexpect message Unable to load '") + path
                   + QStringLiteral("'.\nnew\nexpect frame Hall\n"),
                   {QStringLiteral("--no-sound")});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
}

TEST_F(PlaytestProgramTest, ABackgroundThatCannotBeShownIsLoggedAsAWarning)
{
    // The player leaves such a frame black without a word; the log names the
    // picture, whether it is damaged or lies outside the Frames folder.
    const auto hallShows = [this](const QByteArray& picture) {
        QFile hall(game + QStringLiteral("/Frames/Hall.fme"));
        EXPECT_TRUE(hall.open(QIODevice::WriteOnly | QIODevice::Truncate));
        hall.write("1\r\n\"" + picture + "\"\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    };
    QFile zeros(game + QStringLiteral("/Frames/broken.bmp"));
    ASSERT_TRUE(zeros.open(QIODevice::WriteOnly));
    zeros.write(QByteArray(4096, '\0'));
    zeros.close();

    for (const QByteArray& picture : {QByteArray("broken.bmp"), QByteArray("../Frames/yard.jpg"), QByteArray("gone.bmp")}) {
        hallShows(picture);
        const Run run = playText(QStringLiteral("new\nexpect frame Hall\n"), {QStringLiteral("--no-sound")});
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
        const QList<QJsonObject> all = log();
        const QList<QJsonObject> warnings = log(QStringLiteral("warning"));
        ASSERT_EQ(warnings.size(), 1) << picture.toStdString();
        EXPECT_EQ(warnings[0].value(QStringLiteral("file")).toString(), QString::fromLatin1(picture));
        EXPECT_EQ(warnings[0].value(QStringLiteral("text")).toString(), QStringLiteral("the frame's background picture cannot be shown"));
        // Told while the frame opens, before it has opened.
        EXPECT_LT(all.indexOf(warnings[0]), all.indexOf(log(QStringLiteral("frame")).value(0)));
    }

    hallShows("yard.jpg");
    const Run run = playText(QStringLiteral("new\nexpect frame Hall\n"), {QStringLiteral("--no-sound")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(log(QStringLiteral("warning")).isEmpty());
}

// A run stopped from outside, politely or not, leaves nothing in the
// temporary folder: the offscreen platform's settings never become a file.
TEST_F(PlaytestProgramTest, AKilledRunLeavesNothingInTheTemporaryFolder)
{
    const QString script = work.filePath(QStringLiteral("long.txt"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("new\nwait 60\n");
    file.close();
    const QString runtime = work.filePath(QStringLiteral("runtime"));
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    for (const int signal : {SIGTERM, SIGKILL}) {
        QTemporaryDir temporary;
        ASSERT_TRUE(temporary.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), temporary.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PLAYTEST_PROGRAM), {QStringLiteral("--project"), game, QStringLiteral("--script"), script,
                                                         QStringLiteral("--log"), logPath, QStringLiteral("--no-sound")});
        ASSERT_TRUE(process.waitForStarted());
        // Killed while it plays: once the first frame has opened.
        QElapsedTimer clock;
        clock.start();
        while (log(QStringLiteral("frame")).isEmpty() && clock.elapsed() < 60000)
            QThread::msleep(50);
        ASSERT_FALSE(log(QStringLiteral("frame")).isEmpty()) << QString::fromUtf8(process.readAllStandardError()).toStdString();
        ASSERT_EQ(::kill(pid_t(process.processId()), signal), 0);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  QStringList())
            << "signal " << signal;
    }
}

TEST_F(PlaytestProgramTest, AWaitEndsOnlyAfterTheFrameChangeItRanInto)
{
    // The stairs lead to the cellar after a second; the cellar's video then
    // plays for a second. The wait is over in the middle of the video, but
    // the step ends when the frame has finished opening.
    const Run run = playText(QStringLiteral("new\nclick 1\ndrag 1 2\nclick 3\nclick 2\nexpect frame Stairs\nwait 1.2\n"
                                            "expect frame Cellar\n"));
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QList<QJsonObject> all = log();
    qsizetype cellarOpened = -1;
    qsizetype waitEnded = -1;
    qsizetype videoStopped = -1;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QString event = all[i].value(QStringLiteral("event")).toString();
        if (event == QLatin1String("frame") && all[i].value(QStringLiteral("name")).toString() == QLatin1String("Cellar"))
            cellarOpened = i;
        if (event == QLatin1String("state") && all[i].value(QStringLiteral("command")).toString() == QLatin1String("wait 1.2"))
            waitEnded = i;
        // A movie's alias is its number.
        static const QRegularExpression closeMovie(QStringLiteral("^Close [0-9]+$"));
        if (event == QLatin1String("mci") && closeMovie.match(all[i].value(QStringLiteral("command")).toString()).hasMatch())
            videoStopped = i;
    }
    ASSERT_GE(cellarOpened, 0);
    ASSERT_GE(videoStopped, 0);
    EXPECT_LT(videoStopped, waitEnded);
    EXPECT_LT(cellarOpened, waitEnded);
}

TEST_F(PlaytestProgramTest, WithoutSoundEveryCommandIsStillLogged)
{
    const Run run = playText(QStringLiteral("new\nclick 1\nexpect inventory key\n"), {QStringLiteral("--no-sound")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QList<QJsonObject> commands = log(QStringLiteral("mci"));
    const QStringList sent = values(commands, "command");
    EXPECT_TRUE(sent.filter(QStringLiteral("tune.mid")).size() == 1) << sent.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(sent.filter(QStringLiteral("drip.wav")).size() == 1);
    for (const QJsonObject& mci : commands) {
        EXPECT_EQ(mci.value(QStringLiteral("result")).toInt(-1), 0);
        EXPECT_FALSE(mci.contains(QStringLiteral("reply")));
    }
}

}  // namespace
