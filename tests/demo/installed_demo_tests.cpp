#include "editor/distribution/Distribution.h"
#include "editor/distribution/InstallerScript.h"
#include "editor/shell/EditorPaths.h"
#include "platform/ScriptedDialogs.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs a program; gives its output and exit code.
std::pair<QString, int> run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(240000))
        return {QStringLiteral("did not finish: ") + program, -1};
    return {QString::fromUtf8(process.readAll()), process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

void copyFolder(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(copy).absolutePath());
        ASSERT_TRUE(QFile::copy(file, copy)) << file.toStdString();
    }
}

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(folder.size() + 1);
    files.sort();
    return files;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The demo game distributed as an author does it, its installer built by the
// installer compiler without a window, installed into a home of its own,
// played to its end from the installed copy, and uninstalled.
TEST(InstalledGameTest, TheDemoIsBuiltInstalledPlayedAndRemoved)
{
    QTemporaryDir work;
    const QString project = work.filePath(QStringLiteral("project"));
    copyFolder(QStringLiteral(QUENDARA_SOURCE_DIR "/demo"), project);
    const QString editor = work.filePath(QStringLiteral("editor"));
    QDir().mkpath(editor);

    // What the distribution dialog does before it starts the compiler.
    ProjectPaths::setProjectPath(project);
    EditorPaths::setProgramPath(editor);
    ASSERT_TRUE(LoadProjectRecord());
    const ProjectRecord record = ProjectRecord::current();
    const QString game = record.AdventureName;
    ASSERT_TRUE(QFile::copy(QStringLiteral(RUN_PROGRAM), ProjectPaths::ProjectPath + game + QStringLiteral(".exe")));
    qputenv("QUENDARA_WINDOWS_FOLDER", work.filePath(QStringLiteral("windows")).toUtf8());
    ScriptedDialogs dialogs;
    ASSERT_TRUE(Distribution::CreateFiles(InstallerOptions{}));
    qunsetenv("QUENDARA_WINDOWS_FOLDER");
    EXPECT_TRUE(dialogs.shown().isEmpty());  // no system file is looked for here
    const QString script = InstallerScript::path(record.ProjectName);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString home = work.filePath(QStringLiteral("home"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    const auto [built, builtCode] = run(QStringLiteral(COMPIL32_PROGRAM), {QStringLiteral("/cc"), script}, environment);
    ASSERT_EQ(builtCode, 0) << built.toStdString();
    const QString setup = editor + QStringLiteral("/Output/Setup.exe");

    const auto [installed, installedCode] = run(QStringLiteral("sh"), {setup}, environment);
    ASSERT_EQ(installedCode, 0) << installed.toStdString();
    const QString folder = home + QStringLiteral("/Games/") + game;
    const QStringList installedFiles = filesUnder(folder);
    EXPECT_TRUE(installedFiles.contains(QStringLiteral("Config/General")));
    EXPECT_TRUE(installedFiles.contains(QStringLiteral("Uninstall.sh")));
    EXPECT_FALSE(installedFiles.contains(QStringLiteral("walkthrough.txt")));
    EXPECT_EQ(readFile(folder + QLatin1Char('/') + game + QStringLiteral(".exe")), readFile(QStringLiteral(RUN_PROGRAM)));
    EXPECT_TRUE(QFileInfo(folder + QLatin1Char('/') + game + QStringLiteral(".exe")).isExecutable());

    const QString entry = home + QStringLiteral("/.local/share/applications/quendara-The-Lighthouse-Keeper.desktop");
    ASSERT_TRUE(QFile::exists(entry));
    const auto [verdict, valid] = run(QStringLiteral("desktop-file-validate"), {entry}, environment);
    EXPECT_EQ(valid, 0) << verdict.toStdString();
    EXPECT_TRUE(verdict.trimmed().isEmpty()) << verdict.toStdString();

    // The installed copy plays from "Start New Game" to the end.
    const auto [played, playedCode] =
        run(QStringLiteral(PLAYTEST_PROGRAM),
            {QStringLiteral("--project"), folder, QStringLiteral("--script"), QStringLiteral(QUENDARA_SOURCE_DIR "/demo/walkthrough.txt"),
             QStringLiteral("--log"), work.filePath(QStringLiteral("play.jsonl")), QStringLiteral("--screenshots"),
             work.filePath(QStringLiteral("screenshots"))},
            environment);
    ASSERT_EQ(playedCode, 0) << played.toStdString();

    // The player's own file in the game folder, beside the saved game the
    // walkthrough made.
    QFile notes(folder + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("my notes");
    notes.close();
    const auto [removed, removedCode] = run(QStringLiteral("sh"), {folder + QStringLiteral("/Uninstall.sh")}, environment);
    ASSERT_EQ(removedCode, 0) << removed.toStdString();
    EXPECT_FALSE(QFile::exists(entry));
    const QStringList left = filesUnder(folder);
    EXPECT_TRUE(left.contains(QStringLiteral("notes.txt")));
    for (const QString& file : left)
        EXPECT_TRUE(file == QLatin1String("notes.txt") || file.endsWith(QLatin1String(".sav"))) << file.toStdString();
    for (const QString& file : installedFiles)
        EXPECT_FALSE(QFile::exists(folder + QLatin1Char('/') + file)) << file.toStdString();
    // Only the game folder, which holds the player's files, is left of what was made.
    EXPECT_EQ(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());

    ProjectRecord::current() = ProjectRecord{};
    ProjectPaths::clear();
}

}  // namespace
