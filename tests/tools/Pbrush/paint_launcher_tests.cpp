#include "platform/ScriptedDialogs.h"
#include "tools/Pbrush/PaintLauncher.h"
#include "tools/Pbrush/PaintProgramFinder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// A stand-in for a paint program: a script that writes its arguments, one
// a line, into `record` when it runs.
void fakeProgram(const QString& folder, const QString& name, const QString& record = QString(), bool executable = true)
{
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray script = "#!/bin/sh\n";
    if (!record.isEmpty())
        script += "for a in \"$@\"; do echo \"$a\"; done > '" + record.toUtf8() + "'\n";
    file.write(script);
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    file.setPermissions(permissions);
}

QString searchPath(const QStringList& folders) { return folders.join(QDir::listSeparator()); }

TEST(PaintProgramFinderTest, FindsTheFirstProgramOfTheListThatIsInstalledAndRunnable)
{
    QTemporaryDir root;
    const QString first = root.filePath(QStringLiteral("bin1"));
    const QString second = root.filePath(QStringLiteral("bin2"));
    fakeProgram(first, QStringLiteral("gimp"));
    fakeProgram(second, QStringLiteral("kolourpaint"));
    // The list's order wins over the folders' order.
    EXPECT_EQ(PaintProgramFinder(searchPath({first, second})).find(), second + QStringLiteral("/kolourpaint"));
    // A file that cannot run does not count.
    fakeProgram(first, QStringLiteral("pinta"), QString(), false);
    EXPECT_EQ(PaintProgramFinder(searchPath({first, second})).find(), second + QStringLiteral("/kolourpaint"));
    fakeProgram(first, QStringLiteral("pinta"));
    EXPECT_EQ(PaintProgramFinder(searchPath({second, first})).find(), first + QStringLiteral("/pinta"));
    // Only the folders given are searched: none, relative ones and empty entries find nothing.
    EXPECT_TRUE(PaintProgramFinder(QString()).find().isEmpty());
    EXPECT_TRUE(PaintProgramFinder(QStringLiteral("bin1::.")).find().isEmpty());
    EXPECT_TRUE(PaintProgramFinder(root.path()).find().isEmpty());
}

TEST(PaintLauncherTest, StartsTheProgramFoundWithTheFilesGiven)
{
    QTemporaryDir root;
    fakeProgram(root.path(), QStringLiteral("mtpaint"));
    ScriptedDialogs dialogs;
    QString started;
    QStringList arguments;
    const PaintLauncher launcher(root.path(), [&](const QString& program, const QStringList& args) {
        started = program;
        arguments = args;
        return true;
    });
    EXPECT_TRUE(launcher.launch({QStringLiteral("/tmp/a picture.bmp")}));
    EXPECT_EQ(started, root.filePath(QStringLiteral("mtpaint")));
    EXPECT_EQ(arguments, QStringList{QStringLiteral("/tmp/a picture.bmp")});
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // A program that is found but cannot be started is a failure, and said.
    const PaintLauncher failing(root.path(), [](const QString&, const QStringList&) { return false; });
    dialogs.queueAnswer(Dialogs::OK);
    EXPECT_FALSE(failing.launch({}));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first(), QStringLiteral("Unable to start '") + root.filePath(QStringLiteral("mtpaint")) + QStringLiteral("'."));
    EXPECT_TRUE(dialogs.unexpected().isEmpty());
}

TEST(PaintLauncherTest, WithoutAPaintProgramNamesTheDebianPackagesThatGiveOne)
{
    QTemporaryDir empty;
    ScriptedDialogs dialogs;
    dialogs.queueAnswer(Dialogs::OK);
    bool started = false;
    const PaintLauncher launcher(empty.path(), [&](const QString&, const QStringList&) { return started = true; });
    EXPECT_FALSE(launcher.launch({}));
    EXPECT_FALSE(started);
    ASSERT_EQ(dialogs.shown().size(), 1);
    const QString text = dialogs.shown().first().text;
    EXPECT_EQ(dialogs.shown().first().title, QStringLiteral("Paint"));
    EXPECT_EQ(dialogs.shown().first().icon, Dialogs::Icon::Information);
    for (const QString& package : {QStringLiteral("kolourpaint"), QStringLiteral("gimp"), QStringLiteral("krita"), QStringLiteral("mtpaint")})
        EXPECT_TRUE(text.contains(package)) << qPrintable(text);
    // Pinta is looked for but Debian has no package for it.
    EXPECT_FALSE(PaintProgramFinder::debianPackages().contains(QStringLiteral("pinta")));
}

TEST(PaintLauncherTest, TheProgramStartsTheFakePaintProgramOnThePathWithItsArguments)
{
    QTemporaryDir root;
    const QString record = root.filePath(QStringLiteral("arguments.txt"));
    fakeProgram(root.filePath(QStringLiteral("bin")), QStringLiteral("kolourpaint"), record);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), root.filePath(QStringLiteral("bin")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PBRUSH_PROGRAM), {QStringLiteral("frame one.bmp"), QStringLiteral("two.gif")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    // The paint program runs on its own: wait for what it writes.
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(record) && waited.elapsed() < 10000)
        QThread::msleep(20);
    QThread::msleep(100);
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("frame one.bmp\ntwo.gif\n"));
}

}  // namespace
