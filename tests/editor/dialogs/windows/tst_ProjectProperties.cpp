#include "editor/dialogs/windows/frmProjectProperties.h"
#include "editor/shell/EditorPaths.h"
#include "platform/ScriptedDialogs.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "support/TempProject.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

class tst_ProjectProperties : public QObject {
    Q_OBJECT

private:
    QByteArray general() const { return m_project->read(QStringLiteral("Config/General")); }

    // An existing project "quest" with two frames.
    void openExisting(const QStringList& record)
    {
        m_project->writeLines(QStringLiteral("Config/General"), record);
        m_project->write(QStringLiteral("Frames/Hall.fme"), "0\r\n");
        m_project->write(QStringLiteral("Frames/Yard.fme"), "0\r\n");
        m_dialog = std::make_unique<frmProjectProperties>();
        m_dialog->LoadProject();
        m_dialog->Form_Activate();
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmProjectProperties> m_dialog;
    QTemporaryDir m_program;

private slots:
    void init()
    {
        m_project = std::make_unique<TempProject>();
        m_project->usePaths();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        EditorPaths::setProgramPath(m_program.path());
        ProjectRecord::current() = ProjectRecord();
        ProjectRecord::current().ProjectName = QStringLiteral("quest");
    }
    void cleanup()
    {
        m_dialog.reset();
        m_dialogs.reset();
        ProcessState::StatusText.clear();
        ProjectRecord::current() = ProjectRecord();
        m_project.reset();
    }

    void aNewProjectIsCreatedOnOk()
    {
        ProcessState::StatusText = QStringLiteral("CreateNewProject");
        m_dialog = std::make_unique<frmProjectProperties>();
        m_dialog->Form_Activate();
        QCOMPARE(m_dialog->txtName->text(), QStringLiteral("quest"));
        QCOMPARE(m_dialog->txtFileName->text(), ProjectPaths::ConfigPath + QStringLiteral("General"));
        QCOMPARE(m_dialog->txtAdventureName->text(), QStringLiteral("My Adventure"));
        QVERIFY(m_dialog->AdventureArea[frmProjectProperties::Size640x480]->isChecked());

        m_dialog->txtAdventureName->setText(QStringLiteral("The Quest"));
        m_dialog->AdventureArea_Click(frmProjectProperties::Size320x240);
        m_dialog->txtWidth->setText(QStringLiteral("999"));  // a fixed size ignores the boxes
        m_dialog->txtAuthor->setText(QStringLiteral("Ann"));
        QVERIFY(m_dialog->Command2_Click());
        QVERIFY(m_dialogs->shown().isEmpty());
        QVERIFY(m_project->exists(QStringLiteral("Frames")));
        QVERIFY(m_project->exists(QStringLiteral("Config/Version")));
        QCOMPARE(m_project->read(QStringLiteral("Project.dat")), QByteArray(" 562\r\n"));
        const QByteArray path = (ProjectPaths::ConfigPath + QStringLiteral("General")).toUtf8();
        QCOMPARE(general(), QByteArray("\"quest\"\r\n\"" + path + "\"\r\n\"The Quest\"\r\n1\r\n\"\"\r\n\"1.00\"\r\n320\r\n240\r\n"
                                       "\"Ann\"\r\n\"\"\r\n\"\"\r\n"));
        QCOMPARE(ProjectRecord::current().ScreenHeight, qint16(240));
        QCOMPARE(ProcessState::StatusText, QStringLiteral("CreateNewProject"));  // the caller reads it
    }

    void checksRunInOrderAndShowTheirTab()
    {
        openExisting({QStringLiteral("\"quest\""), QStringLiteral("\"old/path\""), QStringLiteral("\"Quest\""), QStringLiteral("2"),
                      QStringLiteral("\"Hall\""), QStringLiteral("\"1.00\""), QStringLiteral("640"), QStringLiteral("480"),
                      QStringLiteral("\"Ann\""), QStringLiteral("\"\""), QStringLiteral("\"\"")});
        const QByteArray before = general();
        auto refused = [&](const QString& message, int tab) {
            m_dialogs->clear();
            m_dialog->SSTab1->setCurrentIndex(1 - qMax(tab, 0));
            QVERIFY(!m_dialog->Command2_Click());
            QCOMPARE(m_dialogs->messages(), QStringList{message});
            if (tab >= 0)
                QCOMPARE(m_dialog->SSTab1->currentIndex(), tab);
            QCOMPARE(general(), before);
        };
        m_dialog->txtAdventureName->clear();
        refused(QStringLiteral("You must give a name to your adventure !"), -1);
        m_dialog->txtAdventureName->setText(QStringLiteral("Quest: Part Two"));
        refused(QStringLiteral("Sorry, a filename cannot contain any of the following characters :\n\" \\ / : * ? < > | ,"), 0);
        // Names that pass the character check yet name no file of their own:
        // the game would be installed into the folder above.
        for (const QString& name : {QStringLiteral("."), QStringLiteral(".."), QStringLiteral("Quest\tTwo")}) {
            m_dialog->txtAdventureName->setText(name);
            refused(QStringLiteral("Sorry, a filename cannot contain any of the following characters :\n\" \\ / : * ? < > | ,"), 0);
        }
        m_dialog->txtAdventureName->setText(QStringLiteral("Quest"));
        m_dialog->txtVersion->setText(QStringLiteral("1.0\""));
        refused(QStringLiteral("Please do not use quotation marks: \""), 0);
        m_dialog->txtVersion->setText(QStringLiteral("1.01"));
        m_dialog->txtEmail->setText(QStringLiteral("\"ann\"@x.org"));
        refused(QStringLiteral("Please do not use quotation marks: \""), 1);
        m_dialog->txtEmail->clear();

        // Custom sizes: larger than 640 x 480 asks; nothing or too much is refused.
        m_dialog->AdventureArea_Click(frmProjectProperties::Custom);
        QVERIFY(!m_dialog->FrameResolution->isHidden());
        m_dialog->txtWidth->setText(QStringLiteral("800"));
        m_dialog->txtHeight->setText(QStringLiteral("600"));
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::Cancel);
        QVERIFY(!m_dialog->Command2_Click());
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown()[0].title, QStringLiteral("Warning!"));
        QCOMPARE(general(), before);
        m_dialog->txtWidth->setText(QStringLiteral("abc"));
        m_dialog->txtHeight->setText(QStringLiteral("480"));
        refused(QStringLiteral("Please select a valid screen size."), 0);
        m_dialog->txtWidth->setText(QStringLiteral("5000"));
        m_dialogs->queueAnswer(Dialogs::OK);
        m_dialogs->clear();
        QVERIFY(!m_dialog->Command2_Click());
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Please select a valid screen size."));

        m_dialog->txtWidth->setText(QStringLiteral("800"));
        m_dialog->txtHeight->setText(QStringLiteral("600"));
        m_dialogs->clear();
        m_dialogs->queueAnswer(Dialogs::OK);
        QVERIFY(m_dialog->Command2_Click());
        QVERIFY(general().contains("\r\n3\r\n\"Hall\"\r\n\"1.01\"\r\n800\r\n600\r\n"));
        QCOMPARE(ProjectRecord::current().ScreenWidth, qint16(800));
        QCOMPARE(m_project->read(QStringLiteral("Project.dat")), QByteArray(" 562\r\n"));
    }

    void loadingShowsWhatTheRecordHolds()
    {
        openExisting({QStringLiteral("\"quest\""), QStringLiteral("\"C:\\old\\Config\\General\""), QStringLiteral("\"Quest\""),
                      QStringLiteral("3"), QStringLiteral("\"Cellar\""), QStringLiteral("\"2.5\""), QStringLiteral("512"),
                      QStringLiteral("384"), QStringLiteral("\"Ann\""), QStringLiteral("\"a@x.org\""), QStringLiteral("\"https://x\"")});
        QCOMPARE(m_dialog->Combo1->count(), 2);
        QCOMPARE(m_dialog->Combo1->currentIndex(), -1);  // "Cellar" is no frame any more
        QCOMPARE(m_dialog->txtFileName->text(), ProjectPaths::ConfigPath + QStringLiteral("General"));
        QVERIFY(m_dialog->AdventureArea[frmProjectProperties::Custom]->isChecked());
        QVERIFY(!m_dialog->FrameResolution->isHidden());
        QCOMPARE(m_dialog->txtWidth->text(), QStringLiteral("512"));
        QCOMPARE(m_dialog->txtHomepage->text(), QStringLiteral("https://x"));
        QCOMPARE(ProjectRecord::current().ScreenHeight, qint16(384));
        QCOMPARE(ProjectRecord::current().AuthorEmail, QStringLiteral("a@x.org"));

        // A record cut short fills what it holds and leaves the rest.
        m_project->writeLines(QStringLiteral("Config/General"), {QStringLiteral("\"quest\""), QStringLiteral("\"p\""),
                                                                 QStringLiteral("\"Short\"")});
        frmProjectProperties cut;
        cut.LoadProject();
        QCOMPARE(cut.txtAdventureName->text(), QStringLiteral("Short"));
        QCOMPARE(cut.txtVersion->text(), QStringLiteral("1.00"));
        QVERIFY(m_dialogs->shown().isEmpty());
    }

    void cancelAndTheCloseBoxSaveNothing()
    {
        ProcessState::StatusText = QStringLiteral("CreateNewProject");
        m_dialog = std::make_unique<frmProjectProperties>();
        m_dialog->show();
        m_dialog->Command3_Click();
        QCOMPARE(ProcessState::StatusText, QString());
        QVERIFY(!m_project->exists(QStringLiteral("Config/General")));

        ProcessState::StatusText = QStringLiteral("CreateNewProject");
        m_dialog->show();
        m_dialog->close();
        QCOMPARE(ProcessState::StatusText, QString());
        QVERIFY(!m_project->exists(QStringLiteral("Project.dat")));
    }

    void aRecordThatCannotBeWrittenKeepsTheDialogOpen()
    {
        m_project->write(QStringLiteral("Config"), "a file, not a folder");
        m_dialog = std::make_unique<frmProjectProperties>();
        m_dialog->Form_Activate();
        QVERIFY(!m_dialog->Command2_Click());
        QCOMPARE(m_dialogs->messages().last(),
                 QStringLiteral("Unable to save '") + ProjectPaths::ConfigPath + QStringLiteral("General'."));
    }
};

QTEST_MAIN(tst_ProjectProperties)
#include "tst_ProjectProperties.moc"
