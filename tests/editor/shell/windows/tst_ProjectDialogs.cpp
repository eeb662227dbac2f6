#include "editor/shell/Editor.h"
#include "editor/shell/EditorPaths.h"
#include "editor/shell/windows/FolderList.h"
#include "editor/shell/windows/frmLoadProject.h"
#include "editor/shell/windows/frmNewProject.h"
#include "platform/ScriptedDialogs.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

class tst_ProjectDialogs : public QObject {
    Q_OBJECT

private:
    QString projects() const { return m_program.path() + QStringLiteral("/Projects"); }

    // A project made as the editor makes one, with its name in Config/General.
    void makeProject(const QString& folder, const QString& name)
    {
        ProjectPaths::setProjectPath(folder);
        ProjectRecord::current() = ProjectRecord();
        ProjectRecord::current().ProjectName = name;
        Editor::CreateProjectFolders();
        ProjectRecord record;
        record.ProjectName = name;
        record.AdventureName = QStringLiteral("Adventure ") + name;
        QVERIFY(record.save(ProjectPaths::ConfigPath + QStringLiteral("General")));
        ProjectPaths::clear();
        ProjectRecord::current() = ProjectRecord();
    }
    void writeVersion(const QString& folder, const QByteArray& version)
    {
        QFile file(folder + QStringLiteral("Config/Version"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("\"" + version + "\"\r\n");
    }
    QByteArray versionOf(const QString& folder)
    {
        QFile file(folder + QStringLiteral("Config/Version"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_program;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QList<EditorPanel> m_panels;
    // The coordinator's part: the panels the dialogs ask for are noted.
    template <typename Dialog>
    Dialog& wired(Dialog& dialog)
    {
        connect(&dialog, &Dialog::panelRequested, this, [this](EditorPanel panel) { m_panels << panel; });
        return dialog;
    }

private slots:
    void init()
    {
        EditorPaths::setProgramPath(m_program.path());
        QDir().mkpath(projects());
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_panels.clear();
    }
    void cleanup()
    {
        m_dialogs.reset();
        ProcessState::StatusText.clear();
        ProjectPaths::clear();
        ProjectRecord::current() = ProjectRecord();
        QDir(projects()).removeRecursively();
    }

    void newProjectNamesAreChecked()
    {
        frmNewProject dialog(nullptr);
        wired(dialog);
        QCOMPARE(dialog.Dir1->path(), projects());
        const QString forbidden = QStringLiteral("Sorry, a filename cannot contain any of the following characters :\n\" \\ / : * ? < > | ,");
        const std::pair<QString, QString> cases[] = {
            {QString(), QStringLiteral("You must give a name to the new project.")},
            {QStringLiteral("a,b"), forbidden},
            {QStringLiteral(".."), forbidden},
        };
        for (const auto& [name, message] : cases) {
            m_dialogs->clear();
            dialog.txtName->setText(name);
            dialog.Command3_Click();
            QCOMPARE(m_dialogs->messages(), QStringList{message});
        }

        // A project of that name is there already; a plain folder of that name is fine.
        makeProject(projects() + QStringLiteral("/Castle/"), QStringLiteral("Castle"));
        QDir().mkpath(projects() + QStringLiteral("/Empty"));
        m_dialogs->clear();
        dialog.txtName->setText(QStringLiteral("Castle"));
        dialog.Command3_Click();
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Sorry, the folder you have chosen already exists.")});
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::Cancel);
        dialog.txtName->setText(QStringLiteral("Empty"));
        dialog.Command3_Click();
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Your new game will be stored in the following folder :\n") +
                                                     projects() + QStringLiteral("/Empty/\n\nPress OK to continue...")});
        QCOMPARE(ProcessState::StatusText, QString());
        QVERIFY(m_panels.isEmpty());
    }

    void cancellingThePropertiesBringsTheDialogBackEmpty()
    {
        int opened = 0;
        bool create = false;
        frmNewProject dialog(nullptr);
        wired(dialog);
        connect(&dialog, &frmNewProject::newProjectPropertiesRequested, this, [&] {
            ++opened;
            QCOMPARE(ProcessState::StatusText, QStringLiteral("CreateNewProject"));
            if (!create)
                ProcessState::StatusText.clear();  // the author cancelled the properties
        });
        QDir().mkpath(projects() + QStringLiteral("/Elsewhere"));
        QVERIFY(dialog.Dir1->setPath(projects() + QStringLiteral("/Elsewhere")));
        dialog.txtName->setText(QStringLiteral("Quest"));
        dialog.Command3_Click();
        QCOMPARE(opened, 1);
        QCOMPARE(ProjectRecord::current().ProjectName, QStringLiteral("Quest"));
        QCOMPARE(dialog.txtName->text(), QString());
        QCOMPARE(dialog.Dir1->path(), projects());
        QVERIFY(m_panels.isEmpty());

        create = true;
        dialog.txtName->setText(QStringLiteral("Quest"));
        dialog.Command3_Click();
        QCOMPARE(ProjectPaths::ProjectPath, projects() + QStringLiteral("/Quest/"));
        QCOMPARE(ProcessState::StatusText, QString());
        QCOMPARE(m_panels, QList<EditorPanel>{EditorPanel::Project});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        frmNewProject cancelled(nullptr);
        wired(cancelled);
        cancelled.Command4_Click();
        QCOMPARE(m_panels.last(), EditorPanel::Start);
    }

    void loadingChecksVersionAndWriteProtection()
    {
        const QString folder = projects() + QStringLiteral("/Quest/");
        makeProject(folder, QStringLiteral("Quest"));
        frmLoadProject dialog(nullptr);
        wired(dialog);

        // Refused: an old version, a folder without a project, a missing check value.
        writeVersion(folder, "Version 1.50");
        QVERIFY(!dialog.LoadProject(folder));
        QCOMPARE(m_dialogs->messages().last(),
                 QStringLiteral("The selected project was created with Quendara Version 1.50, which is not compatible with "
                                "the current one.\n\nQuendara is unable to edit the selected project."));
        QVERIFY(!dialog.LoadProject(projects()));
        QVERIFY(m_dialogs->messages().last().startsWith(QStringLiteral("The folder you have chosen does not contain a valid project.")));

        // A newer version asks; Cancel stops there.
        writeVersion(folder, "Version 3.00");
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::Cancel);
        QVERIFY(!dialog.LoadProject(folder));
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown()[0].title, QStringLiteral("Warning!"));

        // Version 2.00 in any case opens without a question, and is marked as ours.
        writeVersion(folder, "VERSION 2.00");
        m_dialogs->clear();
        QVERIFY(dialog.LoadProject(folder));
        QVERIFY(m_dialogs->shown().isEmpty());
        QCOMPARE(versionOf(folder), QByteArray("\"Version 2.01\"\r\n"));
        QCOMPARE(ProjectRecord::current().AdventureName, QStringLiteral("Adventure Quest"));
        QCOMPARE(m_panels, QList<EditorPanel>{EditorPanel::Project});

        // No version file: no question, and the file is written. No Project.dat: write-protected.
        QFile::remove(folder + QStringLiteral("Config/Version"));
        QVERIFY(frmLoadProject(nullptr).LoadProject(folder));
        QCOMPARE(versionOf(folder), QByteArray("\"Version 2.01\"\r\n"));
        QFile::remove(folder + QStringLiteral("Project.dat"));
        m_dialogs->clear();
        QVERIFY(!frmLoadProject(nullptr).LoadProject(folder));
        QVERIFY(m_dialogs->messages().value(0).startsWith(QStringLiteral("The selected project appears to be Write-Protected")));
    }

    void theFolderListOpensProjectsAndOkNeedsASubfolder()
    {
        makeProject(projects() + QStringLiteral("/Quest/"), QStringLiteral("Quest"));
        QDir().mkpath(projects() + QStringLiteral("/notes"));
        frmLoadProject dialog(nullptr);
        wired(dialog);
        QCOMPARE(dialog.Dir1->path(), projects());
        dialog.CommandOK_Click();  // the open folder itself is selected
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Select the project you want to load.")});

        // Selecting a folder that holds no project and pressing OK explains; opening a project loads it.
        QList<QListWidgetItem*> notes = dialog.Dir1->findItems(QStringLiteral("notes"), Qt::MatchEndsWith);
        QCOMPARE(notes.size(), 1);
        dialog.Dir1->setCurrentItem(notes[0]);
        dialog.CommandOK_Click();
        QVERIFY(m_dialogs->messages().last().startsWith(QStringLiteral("The folder you have chosen does not contain a valid project.")));
        QList<QListWidgetItem*> quest = dialog.Dir1->findItems(QStringLiteral("Quest"), Qt::MatchEndsWith);
        emit dialog.Dir1->itemDoubleClicked(quest.value(0));
        QCOMPARE(ProjectPaths::ProjectPath, projects() + QStringLiteral("/Quest/"));
        QCOMPARE(m_panels, QList<EditorPanel>{EditorPanel::Project});

        frmLoadProject cancelled(nullptr);
        wired(cancelled);
        cancelled.Command4_Click();
        QCOMPARE(m_panels.last(), EditorPanel::Start);
    }
};

QTEST_MAIN(tst_ProjectDialogs)
#include "tst_ProjectDialogs.moc"
