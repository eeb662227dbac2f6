#include "editor/dialogs/windows/AreaPointersPanel.h"
#include "editor/dialogs/windows/AreaVariablesPanel.h"
#include "editor/dialogs/windows/frmAreaProperties.h"
#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/frmMenu.h"
#include "platform/ScriptedDialogs.h"
#include "player/ActionRunner.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/AreaPlacement.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/state/VariablesCollection.h"
#include "support/FileFilters.h"
#include "support/PlayerReaders.h"
#include "support/TempProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kPictures = QStringLiteral(QUENDARA_TEST_DATA "/pictures/");

// Records what an action asks of the game.
struct Effects : ActionEffects {
    QStringList log;
    void changeVariable(const QString& n, qint16 v) override { log << QStringLiteral("var %1 %2").arg(n).arg(v); }
    void showMessage(const QString& t) override { log << QStringLiteral("message ") + t; }
    void playSound(const QString& f) override { log << QStringLiteral("sound ") + f.mid(ProjectPaths::AreasPath.size()); }
    void removePickedObject(qint16 i) override { log << QStringLiteral("remove %1").arg(i); }
    void disappear(qint16 a) override { log << QStringLiteral("disappear %1").arg(a); }
    void openFrame(const QString& n) override { log << QStringLiteral("open ") + n; }
};

// The real answers, with the modal step played by the test.
class Windows : public EditorWindows {
public:
    using EditorWindows::EditorWindows;
    using EditorWindows::openAreaProperties;
    using EditorWindows::openNewArea;
    using EditorWindows::openObjectEvent;
    using EditorWindows::saveAreaPosition;

    std::function<void(frmAreaProperties&)> play = [](frmAreaProperties& d) { d.Command1_Click(); };
    int shown = 0;

protected:
    int runModal(QDialog& dialog) override
    {
        ++shown;
        play(*qobject_cast<frmAreaProperties*>(&dialog));
        return dialog.result();
    }
    void endProgram() override {}
};


}  // namespace

class tst_AreaProperties : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

    std::unique_ptr<frmAreaProperties> open(int type = 0, bool load = true)
    {
        auto dialog = std::make_unique<frmAreaProperties>();
        dialog->SetType(type);
        if (load && type == 0)
            dialog->LoadAreaProperties();
        else if (load)
            dialog->LoadObjectOnArea();
        dialog->RefreshEnabled();
        return dialog;
    }

    static void pick(QComboBox* list, const QString& text)
    {
        list->setCurrentIndex(list->findText(text));
        QVERIFY2(list->currentIndex() >= 0, qPrintable(text));
    }

    // Everything an area can be, set through the controls.
    static void fillDoor(frmAreaProperties& d)
    {
        d.AppearanceOption[1]->click();
        pick(d.Combo2, QStringLiteral("door.gif"));
        d.StretchOption->setChecked(true);
        d.setPointer(QStringLiteral("hand.ico"));
        d.Action[0]->click();
        pick(d.Combo1, QStringLiteral("Yard"));
        d.Action[1]->click();
        d.TextMessage->setText(QStringLiteral("The door creaks."));
        d.Action[2]->click();
        pick(d.Combo6, QStringLiteral("creak.wav"));
        d.VariablesOption[0]->click();
        pick(d.Combo3, QStringLiteral("opened"));
        d.NewValue[2]->click();
        d.VariablesOption[1]->click();
        pick(d.Combo4, QStringLiteral("lit"));
        d.Command9_Click(1);
        d.ObjectOption[0]->click();
        d.TextObjectName->setText(QStringLiteral("Knob"));
        pick(d.Combo5, QStringLiteral("knob.ico"));
        d.setAreaRectangle(QRectF(150, 300, 1200, 900));
    }

    AreaPlacement placement(int n = 2)
    {
        AreaPlacement p;
        RecordFile::load(ProjectFiles::areaFile(QStringLiteral("Hall"), n, ProjectFiles::AreaPart::Placement), p);
        return p;
    }

private slots:
    void init()
    {
        m_project = std::make_unique<TempProject>();
        m_project->makeGame();
        const QByteArray frame = "0\r\n255\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n";
        m_project->write(QStringLiteral("Frames/Hall.fme"), frame);
        m_project->write(QStringLiteral("Frames/Yard.fme"), frame);
        for (const char* file : {"door.gif", "creak.wav", "knob.ico"})
            m_project->write(QStringLiteral("Areas/") + QLatin1String(file), "x");
        for (const char* file : {"hand.ico", "default_arrow.ico", "arrow.ico"})
            m_project->write(QStringLiteral("Icons/") + QLatin1String(file), "x");
        m_project->writeLines(QStringLiteral("Config/Variables"),
                              {QStringLiteral("2"), QStringLiteral("\"opened\""), QStringLiteral("\"lit\"")});
        m_dialogs = std::make_unique<ScriptedDialogs>();
        FrameRecord::current().Name = QStringLiteral("Hall");
        ProcessState::StatusText = QStringLiteral("2");
        ProcessState::EventObjectName.clear();
    }
    void cleanup()
    {
        m_dialogs.reset();
        m_project.reset();
    }

    void whatTheDialogSavesThePlayerPlaysAndTheDialogReadsBack()
    {
        {
            auto d = open(0, false);
            QCOMPARE(d->windowTitle(), QStringLiteral("Area Properties"));
            fillDoor(*d);
            QVERIFY(d->Command2_Click());
            QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
        }
        QVERIFY(m_dialogs->shown().isEmpty());
        const AreaPlacement saved = placement();
        QCOMPARE(saved.Left, 150.f);
        QCOMPARE(saved.Height, 900.f);
        QCOMPARE(saved.Picture, QStringLiteral("door.gif"));
        QCOMPARE(saved.Pointer, QStringLiteral("hand.ico"));
        QCOMPARE(m_project->read(QStringLiteral("Areas/Knob.obj")), QByteArray("\"knob.ico\"\r\n"));

        VariablesCollection disappeared, lit, dark;
        lit.Add(QStringLiteral("lit"), 1, QStringLiteral("lit"));
        dark.Add(QStringLiteral("lit"), 0, QStringLiteral("lit"));
        QCOMPARE(PlayerReaders::isVisible(QStringLiteral("Hall"), 2, disappeared, lit), std::optional<bool>(true));
        QCOMPARE(PlayerReaders::isVisible(QStringLiteral("Hall"), 2, disappeared, dark), std::optional<bool>(false));
        Effects effects;
        PlayerReaders::runAction(QStringLiteral("Hall"), 2, effects);
        QVERIFY2(effects.log.contains(QStringLiteral("message The door creaks.")), qPrintable(effects.log.join(u'|')));
        QVERIFY(effects.log.contains(QStringLiteral("sound creak.wav")));
        QVERIFY(effects.log.contains(QStringLiteral("open Yard")));

        ProcessState::StatusText = QStringLiteral("2");
        auto again = open();
        QVERIFY(again->AppearanceOption[1]->isChecked());
        QCOMPARE(again->Combo2->currentText(), QStringLiteral("door.gif"));
        QCOMPARE(again->lblMousePointer->text(), QStringLiteral("hand.ico"));
        QCOMPARE(again->Combo1->currentText(), QStringLiteral("Yard"));
        QCOMPARE(again->Combo3->currentText(), QStringLiteral("opened"));
        QVERIFY(again->NewValue[2]->isChecked());
        QCOMPARE(again->List2->count(), 1);
        QCOMPARE(again->TextObjectName->text(), QStringLiteral("Knob"));
        QVERIFY(!again->FrameSound->isHidden());
        QVERIFY(!again->FrameObject->isHidden());
    }

    void okRefusesWhatCannotBePlayedOnTheRightTab_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("message");
        QTest::newRow("picture") << 0 << 0 << QStringLiteral("any valid picture");
        QTest::newRow("frame") << 1 << 1 << QStringLiteral("not chosen a valid frame");
        QTest::newRow("sound") << 2 << 1 << QStringLiteral("valid sound file");
        QTest::newRow("variable") << 3 << 2 << QStringLiteral("valid variable");
        QTest::newRow("object name") << 4 << 3 << QStringLiteral("give a name");
        QTest::newRow("stop and go") << 5 << 1 << QStringLiteral("at the same time");
        QTest::newRow("quote") << 6 << 1 << QStringLiteral("quotation marks");
    }
    void okRefusesWhatCannotBePlayedOnTheRightTab()
    {
        QFETCH(int, rule);
        QFETCH(int, tab);
        QFETCH(QString, message);
        auto d = open(0, false);
        switch (rule) {
        case 0: d->AppearanceOption[1]->click(); break;
        case 1: d->Action[0]->click(); break;
        case 2: d->Action[2]->click(); break;
        case 3: d->VariablesOption[0]->click(); break;
        case 4: d->ObjectOption[0]->click(); break;
        case 5:
            d->Action[0]->click();
            pick(d->Combo1, QStringLiteral("Yard"));
            d->Action[4]->click();
            break;
        case 6:
            d->Action[1]->click();
            d->TextMessage->setText(QStringLiteral("say \"hi\""));
            break;
        }
        QVERIFY(!d->Command2_Click());
        QCOMPARE(d->SSTab1->currentIndex(), tab);
        QCOMPARE(m_dialogs->shown().size(), 1);
        QVERIFY2(m_dialogs->shown().first().text.contains(message), qPrintable(m_dialogs->shown().first().text));
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall/2a.dat")));
        QCOMPARE(ProcessState::StatusText, QStringLiteral("2"));
    }

    void stopTheGameAsksEachTimeAndAnUnusedQuotedTextIsDropped()
    {
        auto d = open(0, false);
        d->Action[4]->click();
        d->TextMessage->setText(QStringLiteral("never \"shown\""));
        m_dialogs->queueAnswer(Dialogs::No);
        QVERIFY(!d->Command2_Click());
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall/2b.dat")));
        m_dialogs->queueAnswer(Dialogs::Yes);
        QVERIFY(d->Command2_Click());
        QCOMPARE(m_dialogs->shown().size(), 2);
        QVERIFY(d->TextMessage->text().isEmpty());
        Effects effects;
        QCOMPARE(PlayerReaders::runAction(QStringLiteral("Hall"), 2, effects).result, qint16(ActionOutcome::StopGame));
    }

    void vanishedFilesEmptyTheListsRefuseOkAndAreDroppedByTheHiddenResave()
    {
        {
            auto d = open(0, false);
            fillDoor(*d);
            QVERIFY(d->Command2_Click());
        }
        QFile::remove(ProjectPaths::AreasPath + QStringLiteral("creak.wav"));
        QFile::remove(ProjectPaths::FramesPath + QStringLiteral("Yard.fme"));
        ProcessState::StatusText = QStringLiteral("2");
        {
            auto d = open();
            QVERIFY(d->Action[2]->isChecked());
            QCOMPARE(d->Combo6->currentIndex(), -1);
            QVERIFY(!d->Command2_Click());
            QVERIFY(m_dialogs->shown().first().text.contains(QStringLiteral("valid frame")));
            d->Command1_Click();
        }
        const QByteArray knob = m_project->read(QStringLiteral("Areas/Hall/2c.dat"));

        frmMenu menu;
        auto* windows = new Windows(&menu);
        m_dialogs->clear();
        windows->saveAreaPosition(2, QRectF(10, 20, 30, 40));
        QCOMPARE(windows->shown, 0);
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
        const AreaPlacement moved = placement();
        QCOMPARE(moved.Left, 10.f);
        QCOMPARE(moved.Width, 30.f);
        QCOMPARE(moved.Picture, QStringLiteral("door.gif"));
        QCOMPARE(moved.Pointer, QStringLiteral("hand.ico"));
        QCOMPARE(m_project->read(QStringLiteral("Areas/Hall/2c.dat")), knob);
        QVERIFY(m_dialogs->shown().isEmpty());
        const QString actions = QString::fromLatin1(m_project->read(QStringLiteral("Areas/Hall/2b.dat")));
        QVERIFY2(!actions.contains(QStringLiteral("creak.wav")) && !actions.contains(QStringLiteral("Yard")), qPrintable(actions));
        QVERIFY(actions.contains(QStringLiteral("The door creaks.")));

        // A placement file cut short: told, and the intact action and object
        // files are not overwritten with a new area's state.
        m_project->write(QStringLiteral("Areas/Hall/2a.dat"), "10\r\n");
        const QByteArray before = m_project->read(QStringLiteral("Areas/Hall/2b.dat"));
        windows->saveAreaPosition(2, QRectF(50, 60, 70, 80));
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown().first().text, QStringLiteral("Unable to load Area properties."));
        QCOMPARE(m_project->read(QStringLiteral("Areas/Hall/2b.dat")), before);
        QCOMPARE(m_project->read(QStringLiteral("Areas/Hall/2c.dat")), knob);
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
    }

    void theFourAnswers()
    {
        frmMenu menu;
        auto* windows = new Windows(&menu);
        QVERIFY(!windows->openNewArea(3, QRectF(1, 2, 3, 4)));
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall/3a.dat")));

        windows->play = [](frmAreaProperties& d) { d.reject(); };  // the close box
        QVERIFY(!windows->openNewArea(3, QRectF(1, 2, 3, 4)));
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall")));

        windows->play = [](frmAreaProperties& d) {
            QCOMPARE(ProcessState::StatusText, QStringLiteral("3"));
            QVERIFY(d.AppearanceOption[0]->isChecked());
            QVERIFY(d.Command2_Click());
        };
        QVERIFY(windows->openNewArea(3, QRectF(1, 2, 3, 4)));
        QCOMPARE(placement(3).Height, 4.f);

        windows->play = [](frmAreaProperties& d) {
            QVERIFY(d.AppearanceOption[0]->isChecked());
            d.Action[3]->click();
            QVERIFY(d.Command2_Click());
        };
        windows->openAreaProperties(3, QRectF(5, 6, 7, 8));
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
        QCOMPARE(placement(3).Left, 5.f);
        Effects effects;
        PlayerReaders::runAction(QStringLiteral("Hall"), 3, effects);
        QCOMPARE(effects.log, QStringList{QStringLiteral("disappear 3")});

        // An event: its own file per object, the area's files untouched.
        const QByteArray area = m_project->read(QStringLiteral("Areas/Hall/3a.dat"));
        windows->play = [](frmAreaProperties& d) {
            QCOMPARE(ProcessState::EventObjectName, QStringLiteral("Key"));
            QVERIFY(!d.SSTab1->isTabEnabled(0));
            QVERIFY(!d.SSTab1->isTabEnabled(3));
            QCOMPARE(d.SSTab1->currentIndex(), 1);
            QVERIFY(d.VariablesOption[1]->isHidden());
            QVERIFY(!d.Action[1]->isChecked());
            d.Action[1]->click();
            d.TextMessage->setText(QStringLiteral("It opens."));
            QVERIFY(d.Command2_Click());
        };
        windows->openObjectEvent(3, QStringLiteral("Key"));
        QVERIFY(ProcessState::EventObjectName.isEmpty());
        QVERIFY(m_project->exists(QStringLiteral("Areas/Hall/3_Key.drg")));
        QCOMPARE(m_project->read(QStringLiteral("Areas/Hall/3a.dat")), area);
        Effects dropped;
        PlayerReaders::runEvent(QStringLiteral("Hall"), 3, QStringLiteral("Key"), 1, dropped);
        QVERIFY(dropped.log.contains(QStringLiteral("message It opens.")));

        windows->play = [](frmAreaProperties& d) {
            QCOMPARE(d.TextMessage->text(), QStringLiteral("It opens."));
            d.Command1_Click();
        };
        windows->openObjectEvent(3, QStringLiteral("Key"));
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
    }

    void browseCopiesIntoAreasAndFiltersTakeEachKind()
    {
        // Qt's own file dialog lists a sample of every kind under each filter,
        // and nothing else; the picture list of the dialog takes the same.
        QTemporaryDir samples;
        const QStringList pictures{QStringLiteral("alpha.png"),   QStringLiteral("arrow.cur"),   QStringLiteral("bmp24.bmp"),
                                   QStringLiteral("clipart.emf"), QStringLiteral("clipart.gif"), QStringLiteral("clipart.wmf"),
                                   QStringLiteral("DOOR.BMP"),    QStringLiteral("photo.jpg"),   QStringLiteral("photo2.jpeg"),
                                   QStringLiteral("vista.ico")};
        for (const QString& name : pictures) {
            const QString from = name == QLatin1String("DOOR.BMP")      ? QStringLiteral("bmp8.bmp")
                                 : name == QLatin1String("photo2.jpeg") ? QStringLiteral("photo.jpg")
                                                                        : name;
            QVERIFY2(QFile::copy(kPictures + from, samples.filePath(name)), qPrintable(name));
            QVERIFY(QFile::copy(kPictures + from, ProjectPaths::AreasPath + name));
        }
        QVERIFY(QFile::copy(QStringLiteral(QUENDARA_TEST_DATA "/media/tone_pcm16_mono.wav"), samples.filePath(QStringLiteral("CREAK.WAV"))));
        QCOMPARE(filesListed(frmAreaProperties::PictureFilter, samples.path()), pictures);
        QCOMPARE(filesListed(frmAreaProperties::IconFilter, samples.path()),
                 (QStringList{QStringLiteral("arrow.cur"), QStringLiteral("vista.ico")}));
        QCOMPARE(filesListed(frmAreaProperties::SoundFilter, samples.path()), QStringList{QStringLiteral("CREAK.WAV")});
        QCOMPARE(filesListed(AreaPointersPanel::PointerFilter, samples.path()),
                 (QStringList{QStringLiteral("arrow.cur"), QStringLiteral("vista.ico")}));
        {
            auto listing = open(0, false);
            for (const QString& name : pictures)
                QVERIFY2(listing->Combo2->findText(name) >= 0, qPrintable(name));
        }
        for (const QString& name : pictures)
            QVERIFY(QFile::remove(ProjectPaths::AreasPath + name));

        auto d = open(0, false);
        m_dialogs->queueFile(kPictures + QStringLiteral("photo.jpg"));
        d->Command5_Click();
        QCOMPARE(d->Combo2->currentText(), QStringLiteral("photo.jpg"));
        QVERIFY(m_project->exists(QStringLiteral("Areas/photo.jpg")));
        QCOMPARE(m_dialogs->shown().first().kind, ScriptedDialogs::Shown::Kind::OpenFile);

        m_dialogs->queueAnswer(Dialogs::No);
        d->Command6_Click();
        QVERIFY(m_project->exists(QStringLiteral("Areas/photo.jpg")));
        m_dialogs->queueAnswer(Dialogs::Yes);
        d->Command6_Click();
        QVERIFY(!m_project->exists(QStringLiteral("Areas/photo.jpg")));
        QCOMPARE(d->Combo2->currentIndex(), -1);
    }

    void mousePointers()
    {
        auto d = open(0, false);
        AreaPointersPanel* panel = d->FrameMousePointers;
        QCOMPARE(panel->IconsListView->count(), 3);
        d->Command20->click();
        QVERIFY(d->SSTab1->isHidden());
        // Nothing selected: the pointer stays.
        d->setPointer(QStringLiteral("hand.ico"));
        panel->Command18->click();
        QCOMPARE(d->pointer(), QStringLiteral("hand.ico"));
        QVERIFY(!d->SSTab1->isHidden());

        const auto item = [panel](const QString& text) { return panel->IconsListView->findItems(text, Qt::MatchExactly).value(0); };

        // Real double-clicks: on the empty part of the list nothing happens,
        // on an icon that icon becomes the pointer and the panel closes.
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        d->Command20->click();
        QListWidget* icons = panel->IconsListView;
        const QPoint empty(icons->viewport()->width() - 3, icons->viewport()->height() - 3);
        QVERIFY(!icons->itemAt(empty));
        QTest::mouseClick(icons->viewport(), Qt::LeftButton, {}, empty);
        QTest::mouseDClick(icons->viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(d->pointer(), QStringLiteral("hand.ico"));
        QVERIFY(d->SSTab1->isHidden());
        // A double-click arrives as a click followed by a double-click event.
        const QPoint arrow = icons->visualItemRect(item(QStringLiteral("arrow.ico"))).center();
        QTest::mouseClick(icons->viewport(), Qt::LeftButton, {}, arrow);
        QTest::mouseDClick(icons->viewport(), Qt::LeftButton, {}, arrow);
        QCOMPARE(d->pointer(), QStringLiteral("arrow.ico"));
        QVERIFY(!d->SSTab1->isHidden());
        QVERIFY(m_project->exists(QStringLiteral("Icons/arrow.ico")));

        d->Command20->click();
        panel->IconsListView->setCurrentItem(item(QStringLiteral("default_arrow.ico")));
        panel->Command18->click();
        QCOMPARE(d->pointer(), QStringLiteral("DEFAULT"));

        item(QStringLiteral("arrow.ico"))->setText(QStringLiteral("arrow"));
        QVERIFY(item(QStringLiteral("arrow.ico")));
        QVERIFY(m_dialogs->shown().isEmpty());
        item(QStringLiteral("arrow.ico"))->setText(QStringLiteral(".ico"));
        QVERIFY(m_project->exists(QStringLiteral("Icons/.ico.ico")));
        item(QStringLiteral(".ico.ico"))->setText(QStringLiteral("arrow.ico"));
        item(QStringLiteral("arrow.ico"))->setText(QStringLiteral("ARROW.ICO"));
        QVERIFY(m_project->exists(QStringLiteral("Icons/ARROW.ICO.ico")));
        item(QStringLiteral("ARROW.ICO.ico"))->setText(QStringLiteral("../escape"));
        QVERIFY(item(QStringLiteral("ARROW.ICO.ico")));
        QVERIFY(m_project->exists(QStringLiteral("Icons/ARROW.ICO.ico")));
        QVERIFY(m_dialogs->shown().last().text.startsWith(QStringLiteral("Unable to rename from '")));

        m_dialogs->queueFile(kPictures + QStringLiteral("arrow.cur"));
        panel->Command3_Click();
        QVERIFY(m_project->exists(QStringLiteral("Icons/arrow.cur")));
        m_dialogs->queueFile(kPictures + QStringLiteral("arrow.cur"));
        panel->Command3_Click();
        QCOMPARE(m_dialogs->shown().last().text, QStringLiteral("The selected icon already exists."));

        d->setPointer(QStringLiteral("hand.ico"));
        panel->IconsListView->setCurrentItem(item(QStringLiteral("hand.ico")));
        m_dialogs->queueAnswer(Dialogs::Yes);
        panel->Command4_Click();
        QVERIFY(!m_project->exists(QStringLiteral("Icons/hand.ico")));
        QCOMPARE(d->pointer(), QStringLiteral("DEFAULT"));
    }

    void variablesAndConditions()
    {
        m_project->writeLines(QStringLiteral("Config/Variables"),
                              {QStringLiteral("2"), QStringLiteral("\"Variable01\""), QStringLiteral("\"Variable03\"")});
        {
            auto d = open(0, false);
            pick(d->Combo4, QStringLiteral("Variable01"));
            d->Command9_Click(0);
            d->Command9_Click(1);
            QCOMPARE(m_dialogs->shown().last().text, QStringLiteral("The selected variable is already on a list."));
            QCOMPARE(d->List2->count(), 0);

            d->findChild<QPushButton*>(QStringLiteral("Command7"))->click();
            QVERIFY(!d->FrameVariables->isHidden());
            m_dialogs->queueInput(QStringLiteral("variable01"));
            d->FrameVariables->Command11_Click();
            QCOMPARE(m_dialogs->shown().last().text, QStringLiteral("Enter new variable name"));
            d->FrameVariables->VariablesList->setCurrentRow(0);
            d->FrameVariables->Command12_Click();
            d->FrameVariables->Command13->click();
            QCOMPARE(d->Combo4->findText(QStringLiteral("Variable01")), -1);
            QCOMPARE(d->List1->item(0)->text(), QStringLiteral("Variable01"));
            d->Command1_Click();
        }
        // Kept although the area was cancelled.
        const QString saved = QString::fromLatin1(m_project->read(QStringLiteral("Config/Variables")));
        QVERIFY2(saved.startsWith(QStringLiteral("2\r\n\"Variable03\"\r\n\"variable01\"")), qPrintable(saved));
    }

    void unwritableFilesAndUnplainNamesAreToldAndNeverBecomePaths()
    {
        // The frame's area folder cannot be made: a file holds its name.
        m_project->write(QStringLiteral("Areas/Hall"), "not a folder");
        {
            auto d = open(0, false);
            QVERIFY(d->Command2_Click());  // told, and the dialog still closes
            QCOMPARE(m_dialogs->shown().size(), 1);
            QCOMPARE(m_dialogs->shown().first().text,
                     QStringLiteral("Unable to save Area properties. Please verify that project files are not Read-Only."));
            QCOMPARE(m_project->read(QStringLiteral("Areas/Hall")), QByteArray("not a folder"));
        }
        QFile::remove(ProjectPaths::AreasPath + QStringLiteral("Hall"));
        ProcessState::StatusText = QStringLiteral("2");
        m_dialogs->clear();
        {
            auto d = open(0, false);
            d->ObjectOption[0]->click();
            d->TextObjectName->setText(QStringLiteral("../Escape"));
            pick(d->Combo5, QStringLiteral("knob.ico"));
            QVERIFY(d->Command2_Click());
            QVERIFY2(m_dialogs->shown().first().text.startsWith(QStringLiteral("Unable to save Area properties.")), qPrintable(m_dialogs->shown().first().text));
            QVERIFY(!m_project->exists(QStringLiteral("Escape.obj")));
        }
        ProcessState::StatusText = QStringLiteral("2");
        ProcessState::EventObjectName = QStringLiteral("../Escape");
        m_dialogs->clear();
        {
            auto d = open(1);
            d->Action[3]->click();
            QVERIFY(d->Command2_Click());
            QCOMPARE(m_dialogs->shown().first().text, QStringLiteral("Unable to save object information."));
            QVERIFY(!m_project->exists(QStringLiteral("Areas/2_..")));
        }
        ProcessState::EventObjectName.clear();
    }

    void clickingThePicturePreviewChoosesAPicture()
    {
        auto d = open(0, false);
        QVERIFY(d->FramePicture->isHidden());
        QTest::mouseClick(d->Image1, Qt::LeftButton);
        QVERIFY(d->AppearanceOption[1]->isChecked());
        QVERIFY(!d->AppearanceOption[0]->isChecked());
        QVERIFY(!d->FramePicture->isHidden());
    }

    void aMissingAreaNumberIsToldAndNothingIsWritten()
    {
        ProcessState::StatusText = QStringLiteral("0");
        auto d = open(0, false);
        QVERIFY(m_dialogs->shown().first().text.startsWith(QStringLiteral("Unable to get Area properties.")));
        QVERIFY(d->Command2_Click());
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall/0a.dat")));
    }
};

QTEST_MAIN(tst_AreaProperties)
#include "tst_AreaProperties.moc"
