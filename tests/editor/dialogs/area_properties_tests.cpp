#include "editor/dialogs/AreaProperties.h"
#include "platform/ScriptedDialogs.h"
#include "player/ActionRunner.h"
#include "player/AreaFile.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/state/VariablesCollection.h"
#include "support/PlayerReaders.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

namespace {

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

class AreaPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override { project.makeGame(); }

    static AreaProperties door()
    {
        AreaProperties p;
        p.left = 150;
        p.top = 300.5f;
        p.width = 1200;
        p.height = 900;
        p.transparent = false;
        p.hasPicture = true;
        p.picture = QStringLiteral("door.gif");
        p.stretch = true;
        p.pointer = QStringLiteral("hand.cur");
        p.visibilityDependsOnVariables = true;
        p.mustBeZero = {QStringLiteral("opened")};
        p.mustBeOne = {QStringLiteral("lit"), QStringLiteral("awake")};
        p.actions.changeVariable = true;
        p.actions.variable = QStringLiteral("opened");
        p.actions.setTo1 = false;
        p.actions.invert = true;
        p.actions.showMessage = true;
        p.actions.message = QStringLiteral("The door creaks, a little.");
        p.actions.playSound = true;
        p.actions.sound = QStringLiteral("creak.wav");
        p.actions.goToFrame = true;
        p.actions.frame = QStringLiteral("Yard");
        p.pickable = true;
        p.objectName = QStringLiteral("Door Knob");
        p.icon = QStringLiteral("knob.ico");
        return p;
    }

    TempProject project;
    ScriptedDialogs dialogs;
};

TEST_F(AreaPropertiesTest, WhatTheEditorSavesThePlayerPlays)
{
    const AreaProperties saved = door();
    ASSERT_TRUE(AreaPropertiesFiles::save(QStringLiteral("Hall"), 2, saved));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Door Knob.obj")), QByteArray("\"knob.ico\"\r\n"));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/2c.dat")), QByteArray("1\r\n\"Door Knob\"\r\n\"knob.ico\"\r\n"));

    AreaPlacement placement;
    ASSERT_TRUE(RecordFile::load(ProjectFiles::areaFile(QStringLiteral("Hall"), 2, ProjectFiles::AreaPart::Placement), placement));
    EXPECT_EQ(placement.Left, 150);
    EXPECT_EQ(placement.Top, 300.5f);
    EXPECT_FALSE(placement.Transparent);
    EXPECT_EQ(placement.Picture, QStringLiteral("door.gif"));
    EXPECT_EQ(placement.Stretch, 1);
    EXPECT_EQ(placement.Pointer, QStringLiteral("hand.cur"));

    VariablesCollection variables, disappeared;
    variables.Add(QStringLiteral("opened"), 0);
    variables.Add(QStringLiteral("lit"), 1);
    variables.Add(QStringLiteral("awake"), 1);
    EXPECT_EQ(PlayerReaders::isVisible(QStringLiteral("Hall"), 2, disappeared, variables), true);
    VariablesCollection asleep;
    asleep.Add(QStringLiteral("opened"), 0);
    asleep.Add(QStringLiteral("lit"), 1);
    asleep.Add(QStringLiteral("awake"), 0);
    EXPECT_EQ(PlayerReaders::isVisible(QStringLiteral("Hall"), 2, disappeared, asleep), false);

    Effects effects;
    PlayerReaders::runAction(QStringLiteral("Hall"), 2, effects);
    EXPECT_EQ(effects.log, (QStringList{QStringLiteral("var opened -1"), QStringLiteral("message The door creaks, a little."),
                                        QStringLiteral("sound creak.wav"), QStringLiteral("open Yard")}));

    // And the editor reads it back as it was.
    AreaProperties loaded;
    ASSERT_TRUE(AreaPropertiesFiles::load(QStringLiteral("hall"), 2, loaded));
    EXPECT_EQ(loaded.picture, saved.picture);
    EXPECT_EQ(loaded.mustBeOne, saved.mustBeOne);
    EXPECT_EQ(loaded.actions.message, saved.actions.message);
    EXPECT_TRUE(loaded.actions.invert);
    EXPECT_FALSE(loaded.actions.setTo1);
    EXPECT_EQ(loaded.objectName, saved.objectName);
    EXPECT_EQ(loaded.left, 0);  // the rectangle comes from the canvas, not the file
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(AreaPropertiesTest, FilesAreWrittenInTheirOwnNumberForms)
{
    ASSERT_TRUE(AreaPropertiesFiles::save(QStringLiteral("Hall"), 2, door()));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/2a.dat")),
              QByteArray("150\r\n300.5\r\n1200\r\n900\r\n#FALSE#\r\n#TRUE#\r\n\"door.gif\"\r\n1\r\n\"hand.cur\"\r\n1\r\n"
                         "1\r\n\"opened\"\r\n2\r\n\"lit\"\r\n\"awake\"\r\n"));
    const QByteArray action("1\r\n\"opened\"\r\n#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n1\r\n\"The door creaks, a little.\"\r\n1\r\n"
                            "\"creak.wav\"\r\n0\r\n0\r\n1\r\n\"Yard\"\r\n");
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/2b.dat")), action);
    ASSERT_TRUE(AreaPropertiesFiles::saveEvent(QStringLiteral("Hall"), 2, QStringLiteral("Key"), door().actions));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/2_Key.drg")), action);
}

// The game stretches an area's picture only for a Stretch of 1, and takes any
// other flag but 0 as set; the dialog shows what the game will do.
TEST_F(AreaPropertiesTest, FlagsAreReadAsTheGameReadsThem)
{
    project.writeLines(QStringLiteral("Areas/Hall/1a.dat"),
                       {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("10"),
                        QStringLiteral("#FALSE#"), QStringLiteral("#TRUE#"), QStringLiteral("\"door.gif\""), QStringLiteral("2"),
                        QStringLiteral("\"DEFAULT\""), QStringLiteral("-1"), QStringLiteral("0"), QStringLiteral("0")});
    project.writeLines(QStringLiteral("Areas/Hall/1b.dat"),
                       {QStringLiteral("-1"), QStringLiteral("\"v\""), QStringLiteral("#FALSE#"), QStringLiteral("#TRUE#"),
                        QStringLiteral("#FALSE#"), QStringLiteral("2"), QStringLiteral("\"\""), QStringLiteral("0"),
                        QStringLiteral("\"\""), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("\"\"")});
    AreaProperties p;
    p.stretch = true;
    ASSERT_TRUE(AreaPropertiesFiles::load(QStringLiteral("Hall"), 1, p));
    EXPECT_FALSE(p.stretch);
    EXPECT_TRUE(p.visibilityDependsOnVariables);
    EXPECT_TRUE(p.actions.changeVariable);
    EXPECT_TRUE(p.actions.showMessage);

    project.writeLines(QStringLiteral("Areas/Hall/1a.dat"),
                       {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("10"),
                        QStringLiteral("#FALSE#"), QStringLiteral("#TRUE#"), QStringLiteral("\"door.gif\""), QStringLiteral("1"),
                        QStringLiteral("\"DEFAULT\""), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
    ASSERT_TRUE(AreaPropertiesFiles::load(QStringLiteral("Hall"), 1, p));
    EXPECT_TRUE(p.stretch);
    EXPECT_FALSE(p.visibilityDependsOnVariables);
}

TEST_F(AreaPropertiesTest, ANotPickableAreaWritesNoObjectFileButKeepsItsName)
{
    AreaProperties p = door();
    p.pickable = false;
    ASSERT_TRUE(AreaPropertiesFiles::save(QStringLiteral("Hall"), 1, p));
    EXPECT_FALSE(project.exists(QStringLiteral("Areas/Door Knob.obj")));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/1c.dat")), QByteArray("0\r\n\"Door Knob\"\r\n\"knob.ico\"\r\n"));
}

TEST_F(AreaPropertiesTest, UnreadableFilesKeepWhatWasReadBefore)
{
    // No files at all: the load says so and the new-area state stays.
    AreaProperties p;
    EXPECT_FALSE(AreaPropertiesFiles::load(QStringLiteral("Hall"), 1, p));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Unable to load Area properties.")});
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(p.transparent);
    EXPECT_EQ(p.pointer, QStringLiteral("DEFAULT"));

    // b.dat cut short: a.dat's values are kept, and so is the start of b.dat.
    ASSERT_TRUE(AreaPropertiesFiles::save(QStringLiteral("Hall"), 1, door()));
    project.writeLines(QStringLiteral("Areas/Hall/1b.dat"), {QStringLiteral("1"), QStringLiteral("\"opened\"")});
    dialogs.clear();
    AreaProperties cut;
    EXPECT_FALSE(AreaPropertiesFiles::load(QStringLiteral("Hall"), 1, cut));
    EXPECT_EQ(cut.picture, QStringLiteral("door.gif"));
    EXPECT_EQ(cut.actions.variable, QStringLiteral("opened"));
    EXPECT_FALSE(cut.actions.showMessage);

    // A damaged c.dat is passed over in silence, leaving the object part as it was.
    ASSERT_TRUE(AreaPropertiesFiles::save(QStringLiteral("Hall"), 1, door()));
    project.writeLines(QStringLiteral("Areas/Hall/1c.dat"), {QStringLiteral("1"), QStringLiteral("\"Half\"")});
    dialogs.clear();
    AreaProperties object;
    EXPECT_TRUE(AreaPropertiesFiles::load(QStringLiteral("Hall"), 1, object));
    EXPECT_FALSE(object.pickable);
    EXPECT_EQ(object.objectName, QString());
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(AreaPropertiesTest, SavesThatFailAreReported)
{
    AreaProperties p = door();
    p.objectName = QStringLiteral("../outside");
    EXPECT_FALSE(AreaPropertiesFiles::save(QStringLiteral("Hall"), 1, p));
    EXPECT_FALSE(project.exists(QStringLiteral("outside.obj")));
    EXPECT_FALSE(AreaPropertiesFiles::save(QStringLiteral("../Hall"), 1, door()));
    const QString message = QStringLiteral("Unable to save Area properties. Please verify that project files are not Read-Only.");
    EXPECT_EQ(dialogs.messages(), (QStringList{message, message}));
}

TEST_F(AreaPropertiesTest, EventsOfDroppedObjects)
{
    AreaActions use;
    use.showMessage = true;
    use.message = QStringLiteral("The key turns.");
    use.disappear = true;
    ASSERT_TRUE(AreaPropertiesFiles::saveEvent(QStringLiteral("Hall"), 3, QStringLiteral("Key"), use));
    EXPECT_TRUE(project.exists(QStringLiteral("Areas/Hall/3_Key.drg")));
    Effects effects;
    PlayerReaders::runEvent(QStringLiteral("Hall"), 3, QStringLiteral("Key"), 2, effects);
    EXPECT_EQ(effects.log, (QStringList{QStringLiteral("message The key turns."), QStringLiteral("remove 2")}));

    AreaActions loaded;
    ASSERT_TRUE(AreaPropertiesFiles::loadEvent(QStringLiteral("Hall"), 3, QStringLiteral("Key"), loaded));
    EXPECT_EQ(loaded.message, use.message);
    // A first event on an area: nothing to load, and nothing said.
    AreaActions fresh;
    EXPECT_FALSE(AreaPropertiesFiles::loadEvent(QStringLiteral("Hall"), 4, QStringLiteral("Key"), fresh));
    EXPECT_FALSE(fresh.showMessage);
    EXPECT_TRUE(dialogs.shown().isEmpty());

    EXPECT_FALSE(AreaPropertiesFiles::saveEvent(QStringLiteral("Hall"), 3, QStringLiteral("a/b"), use));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Unable to save object information.")});
}

}  // namespace
