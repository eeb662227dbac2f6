#include "editor/distribution/windows/frmCompile.h"
#include "editor/shell/EditorPaths.h"
#include "editor/shell/JournalAction.h"
#include "editor/shell/ProjectJournal.h"
#include "editor/shell/windows/FolderList.h"
#include "platform/Registry.h"
#include "platform/ScriptedDialogs.h"
#include "player/records/AtomicFile.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "support/TempProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

// The editor's folder with the player as run.dat and a stand-in compiler
// that leaves an installer in Output/, as the real one does when the author
// builds; the project "castle" (adventure "Castle") with one frame.
class tst_Compile : public QObject {
    Q_OBJECT

private:
    QString program() const { return m_program.path() + QLatin1Char('/'); }
    QString desktop() const { return m_desktop.path(); }

    void writeFile(const QString& path, const QByteArray& bytes, bool executable = false)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::unique_ptr<frmCompile> open()
    {
        auto dialog = std::make_unique<frmCompile>();
        dialog->Dir2->setPath(desktop());
        return dialog;
    }

    QTemporaryDir m_program;
    QTemporaryDir m_desktop;
    QTemporaryDir m_settings;
    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

private slots:
    void init()
    {
        EditorPaths::setProgramPath(m_program.path());
        writeFile(program() + QStringLiteral("run.dat"), "the player");
        writeFile(program() + QStringLiteral("Compiler/Compil32.exe"),
                  "#!/bin/sh\n"
                  "here=\"$(dirname \"$0\")/..\"\n"
                  "[ -e \"$SETUP_TARGET\" ] && echo existed > \"$here/target-existed\"\n"
                  "mkdir -p \"$here/Output\" && echo installer > \"$here/Output/Setup.exe\"\n",
                  true);
        Registry::setFile(m_settings.path() + QStringLiteral("/registry.ini"));
        m_project = std::make_unique<TempProject>();
        m_project->makeGame(QStringLiteral("Castle"));
        m_project->write(QStringLiteral("Frames/Hall.fme"), "0\r\n");
        ProjectRecord::current() = ProjectRecord();
        ProjectRecord::current().ProjectName = QStringLiteral("castle");
        ProjectRecord::current().AdventureName = QStringLiteral("Castle");
        m_dialogs = std::make_unique<ScriptedDialogs>();
        qputenv("QUENDARA_WINDOWS_FOLDER", m_program.path().toUtf8());
    }
    void cleanup()
    {
        m_dialogs.reset();
        m_project.reset();
        QFile::remove(Registry::file());
        Registry::setFile(QString());
        qunsetenv("QUENDARA_WINDOWS_FOLDER");
        qunsetenv("SETUP_TARGET");
        ProjectRecord::current() = ProjectRecord();
        QDir(desktop()).removeRecursively();
        QDir().mkpath(desktop());
        QDir(program() + QStringLiteral("Output")).removeRecursively();
    }

    void fileNamesAreCompletedAndProtectedOnesRefused()
    {
        auto dialog = open();
        QCOMPARE(dialog->txtFileName->text(), QStringLiteral("Castle.exe"));
        QCOMPARE(dialog->Color->currentText(), QStringLiteral("Green"));
        const std::pair<QString, QString> names[] = {{QStringLiteral("Run.exe"), QStringLiteral("Run.exe")},
                                                     {QStringLiteral("QUENDARA.EXE"), QStringLiteral("QUENDARA.EXE")},
                                                     {QStringLiteral("run"), QStringLiteral("run.exe")}};
        for (const auto& [typed, shown] : names) {
            m_dialogs->clear();
            dialog->txtFileName->setText(typed);
            QVERIFY(!dialog->Command3_Click());
            QCOMPARE(dialog->txtFileName->text(), shown);
            QCOMPARE(m_dialogs->messages(),
                     QStringList{QStringLiteral("Sorry, The selected file is protected. Please enter another file.")});
        }
        m_dialogs->clear();
        dialog->txtFileName->clear();
        QVERIFY(!dialog->Command3_Click());
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Please enter a valid file name.")});
        QVERIFY(!QFile::exists(m_project->path() + QStringLiteral("Castle.exe")));

        // Game gets ".exe", Game.EXE stays, Game.zip gets ".exe" after it. Cancelling the instructions builds nothing.
        const std::pair<QString, QString> completed[] = {{QStringLiteral("Game"), QStringLiteral("Game.exe")},
                                                         {QStringLiteral("Game.EXE"), QStringLiteral("Game.EXE")},
                                                         {QStringLiteral("Game.zip"), QStringLiteral("Game.zip.exe")}};
        for (const auto& [typed, result] : completed) {
            auto again = open();
            again->Check1->setChecked(true);
            again->Check2->setChecked(true);
            again->txtFileName->setText(typed);
            m_dialogs->queueAnswer(Dialogs::Cancel);
            QVERIFY(again->Command3_Click());
            QCOMPARE(again->txtFileName->text(), result);
        }
    }

    void cancellingTheInstructionsLeavesTheCopyAndTheScript()
    {
        auto dialog = open();
        dialog->Check1->setChecked(true);
        dialog->Check2->setChecked(true);
        m_dialogs->queueAnswer(Dialogs::Cancel);
        QVERIFY(dialog->Command3_Click());
        QCOMPARE(m_dialogs->shown().last().title, QStringLiteral("Instructions"));
        QVERIFY(m_dialogs->shown().last().text.endsWith(QStringLiteral("select the following location: '") + program() +
                                                         QStringLiteral("castle.iss'.")));
        QCOMPARE(readFile(m_project->path() + QStringLiteral("Castle.exe")), QByteArray("the player"));
        QVERIFY(QFileInfo(m_project->path() + QStringLiteral("Castle.exe")).isExecutable());
        QVERIFY(readFile(program() + QStringLiteral("castle.iss")).startsWith("[Setup]\r\n"));
        QCOMPARE(Registry::readString(Registry::Root::CurrentUser, frmCompile::compilerSettingsKey(), QStringLiteral("ScriptFile")),
                 program() + QStringLiteral("castle.iss"));
        QVERIFY(!QFile::exists(program() + QStringLiteral("Output/Setup.exe")));
        QVERIFY(!QFile::exists(desktop() + QStringLiteral("/Castle.exe")));
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void theBuiltInstallerIsMovedToTheChosenPlace()
    {
        auto dialog = open();
        // Skip the system files, so no "Unable to find" message comes between.
        dialog->Check1->setChecked(true);
        dialog->Check2->setChecked(true);
        m_dialogs->queueAnswer(Dialogs::OK);
        QVERIFY(dialog->Command3_Click());
        QCOMPARE(readFile(desktop() + QStringLiteral("/Castle.exe")), QByteArray("installer\n"));
        QVERIFY(!QFile::exists(program() + QStringLiteral("Output/Setup.exe")));
        // The instructions, then where the installer is.
        QCOMPARE(m_dialogs->shown().size(), 2);
        QCOMPARE(m_dialogs->shown()[1].text,
                 QStringLiteral("The installer has been created: '") + desktop() + QStringLiteral("/Castle.exe'."));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));

        // Replacing an installer: confirmed, it is gone before the compiler starts.
        qputenv("SETUP_TARGET", (desktop() + QStringLiteral("/Castle.exe")).toUtf8());
        auto again = open();
        again->Check1->setChecked(true);
        again->Check2->setChecked(true);
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);  // replace
        m_dialogs->queueAnswer(Dialogs::OK);  // instructions
        QVERIFY(again->Command3_Click());
        QCOMPARE(m_dialogs->shown()[0].text, QStringLiteral("The selected file already exists. Do you want to replace it ?"));
        QVERIFY(!QFile::exists(program() + QStringLiteral("target-existed")));
        QCOMPARE(readFile(desktop() + QStringLiteral("/Castle.exe")), QByteArray("installer\n"));
    }

    void theSystemFilesOfAWindowsFolderWithoutThemAreLeftOutSilently()
    {
        // The Windows folder of the tests has no system folder: with the
        // default options nothing is reported and the script names none.
        auto dialog = open();
        m_dialogs->queueAnswer(Dialogs::Cancel);
        QVERIFY(dialog->Command3_Click());
        QCOMPARE(m_dialogs->shown().size(), 1);  // the instructions only
        QVERIFY(!readFile(program() + QStringLiteral("castle.iss")).contains("{sys}"));
    }

    void theProjectsOwnProgramAndNamesOfNoFileAreRefused()
    {
        // The installer would be written over the game's program that the
        // build itself copies into the project folder.
        QFile::remove(program() + QStringLiteral("castle.iss"));
        auto dialog = open();
        QVERIFY(dialog->Dir2->setPath(m_project->path()));
        dialog->txtFileName->setText(QStringLiteral("castle.EXE"));
        QVERIFY(!dialog->Command3_Click());
        QCOMPARE(m_dialogs->messages(),
                 QStringList{QStringLiteral("Sorry, '") + m_project->path() +
                             QStringLiteral("castle.EXE' is the game's own program in the project folder, which the "
                                            "distribution replaces. Please choose another location or file name.")});
        QVERIFY(!QFile::exists(program() + QStringLiteral("castle.iss")));
        QVERIFY(!QFile::exists(m_project->path() + QStringLiteral("Castle.exe")));

        // An adventure named "..": its installed folder would be the one above.
        m_dialogs->clear();
        ProjectRecord::current().AdventureName = QStringLiteral("..");
        auto again = open();
        QVERIFY(!again->Command3_Click());
        QCOMPARE(m_dialogs->messages(),
                 QStringList{QStringLiteral("Sorry, a filename cannot contain any of the following characters :\n\" \\ / : * ? < > | ,")});
        QVERIFY(!QFile::exists(m_project->path() + QStringLiteral("...exe")));
    }

    void theFolderUsedIsShownWhenTheSelectionDiffers()
    {
        QDir(desktop()).mkdir(QStringLiteral("Games"));
        auto dialog = open();
        QCOMPARE(dialog->txtTarget->text(), desktop() + QStringLiteral("/Castle.exe"));
        dialog->txtFileName->setText(QStringLiteral("Quest.exe"));
        QCOMPARE(dialog->txtTarget->text(), desktop() + QStringLiteral("/Quest.exe"));
        const auto games = dialog->Dir2->findItems(QStringLiteral("Games"), Qt::MatchEndsWith);
        QCOMPARE(games.size(), 1);
        dialog->Dir2->setCurrentItem(games[0]);
        m_dialogs->queueAnswer(Dialogs::Cancel);
        QVERIFY(!dialog->Command3_Click());
        QCOMPARE(m_dialogs->shown()[0].text,
                 QStringLiteral("The installer will be created in '") + desktop() +
                     QStringLiteral("/', the open folder of the list, not in the selected folder '") + desktop() +
                     QStringLiteral("/Games'.\n\nDouble-click a folder to open it. Click 'Cancel' to choose again."));
        QVERIFY(!QFile::exists(m_project->path() + QStringLiteral("Castle.exe")));

        m_dialogs->queueAnswer(Dialogs::OK);  // that folder
        m_dialogs->queueAnswer(Dialogs::OK);  // instructions
        QVERIFY(dialog->Command3_Click());
        QCOMPARE(readFile(desktop() + QStringLiteral("/Quest.exe")), QByteArray("installer\n"));
        QVERIFY(!QFile::exists(desktop() + QStringLiteral("/Games/Quest.exe")));
    }

    void theDialogStaysWhileTheCompilerRuns()
    {
        writeFile(program() + QStringLiteral("Compiler/Compil32.exe"),
                  "#!/bin/sh\nsleep 1\nhere=\"$(dirname \"$0\")/..\"\n"
                  "mkdir -p \"$here/Output\" && echo installer > \"$here/Output/Setup.exe\"\n",
                  true);
        auto dialog = open();
        dialog->show();
        bool tried = false;
        QTimer::singleShot(300, dialog.get(), [&] {
            tried = true;
            QVERIFY(dialog->isBuilding());
            dialog->reject();
            QVERIFY(!dialog->close());
            QVERIFY(!dialog->Command3_Click());  // no second build inside the first
            QVERIFY(dialog->isVisible());
            QVERIFY(dialog->Frame2->isVisible());
        });
        m_dialogs->queueAnswer(Dialogs::OK);
        QVERIFY(dialog->Command3_Click());
        QVERIFY(tried);
        QVERIFY(!dialog->isBuilding());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(readFile(desktop() + QStringLiteral("/Castle.exe")), QByteArray("installer\n"));
        QCOMPARE(m_dialogs->shown().size(), 2);
    }

    // Building is not an edit: the undo history goes on from the author's
    // last action, holds none of the program's copies, and takes nothing of
    // the build for an outside change; here the installer lands in the
    // project folder too, the second time over the first.
    void theDistributionIsNotRecordedInTheUndoHistory()
    {
        QTemporaryDir stash;
        ProjectJournal journal(m_project->path(), {}, stash.path());
        const QString frame = m_project->path() + QStringLiteral("Frames/Hall.fme");
        {
            JournalAction action(QStringLiteral("frame properties"));
            QVERIFY(AtomicFile::write(frame, "1\r\n\"hall.bmp\"\r\n"));
        }
        for (int build = 0; build < 3; ++build) {
            const QByteArray player(100000, char('p' + build));
            writeFile(program() + QStringLiteral("run.dat"), player);
            auto dialog = open();
            dialog->Check1->setChecked(true);
            dialog->Check2->setChecked(true);
            if (build > 0) {
                dialog->Dir2->setPath(m_project->path());
                dialog->txtFileName->setText(QStringLiteral("Setup.exe"));
            }
            QVERIFY(dialog->Command3_Click());
            QCOMPARE(readFile(m_project->path() + QStringLiteral("Castle.exe")), player);
        }
        QCOMPARE(readFile(m_project->path() + QStringLiteral("Setup.exe")), QByteArray("installer\n"));
        QCOMPARE(journal.undoCount(), 1);
        QCOMPARE(journal.undoText(), QStringLiteral("frame properties"));
        QCOMPARE(journal.heldBytes(), qint64(3));
        QVERIFY(journal.undo());
        QCOMPARE(readFile(frame), QByteArray("0\r\n"));
        QVERIFY(journal.redo());
        QCOMPARE(readFile(m_project->path() + QStringLiteral("Castle.exe")).size(), 100000);
        QVERIFY(QFile::exists(m_project->path() + QStringLiteral("Setup.exe")));
        for (const QString& message : m_dialogs->messages())
            QVERIFY2(!message.contains(QStringLiteral("outside the editor")), qPrintable(message));
    }

    void failuresBeforeAndAfterTheCompiler()
    {
        // No player to copy: told, and nothing else happens.
        QFile::remove(program() + QStringLiteral("run.dat"));
        auto dialog = open();
        QVERIFY(!dialog->Command3_Click());
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to copy '") + program() + QStringLiteral("run.dat' to '") +
                                                     m_project->path() + QStringLiteral("Castle.exe'.")});
        QCOMPARE(Registry::readString(Registry::Root::CurrentUser, frmCompile::compilerSettingsKey(), QStringLiteral("ScriptFile")),
                 std::nullopt);

        // A compiler that builds nothing: the move fails and says so.
        writeFile(program() + QStringLiteral("run.dat"), "the player");
        writeFile(program() + QStringLiteral("Compiler/Compil32.exe"), "#!/bin/sh\nexit 0\n", true);
        auto again = open();
        again->Check1->setChecked(true);
        again->Check2->setChecked(true);
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        QVERIFY(again->Command3_Click());
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Unable to rename '") + program() +
                                                   QStringLiteral("Output/Setup.exe'  as  '") + desktop() +
                                                   QStringLiteral("/Castle.exe'.\n\nOperation Aborted."));
    }

    void systemFileOptionsAskBeforeTheyAreSet()
    {
        auto dialog = open();
        m_dialogs->queueAnswer(Dialogs::Cancel);
        dialog->Check1->click();
        QVERIFY(!dialog->Check1->isChecked());
        QCOMPARE(m_dialogs->messages().last(),
                 QStringLiteral("WARNING! The selected system file is required by the game you are distributing."));
        m_dialogs->queueAnswer(Dialogs::OK);
        dialog->Check2->click();
        QVERIFY(dialog->Check2->isChecked());
        dialog->Check2->click();  // unchecking asks nothing
        QCOMPARE(m_dialogs->shown().size(), 2);
        dialog->Color->setCurrentIndex(4);
        dialog->CheckEnable->setChecked(true);
        dialog->Command5_Click();
        QCOMPARE(dialog->Color->currentText(), QStringLiteral("Green"));
        QVERIFY(!dialog->CheckEnable->isChecked());
    }
};

QTEST_MAIN(tst_Compile)
#include "tst_Compile.moc"
