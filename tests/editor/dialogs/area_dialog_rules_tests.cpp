#include "editor/dialogs/AreaProperties.h"
#include "editor/dialogs/AreaValidity.h"
#include "editor/dialogs/ProjectVariables.h"
#include "platform/ScriptedDialogs.h"
#include "support/TempProject.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using AreaValidity::CheckValidity;

TEST(AreaValidityTest, EachRuleNamesItsTabAndTheFirstFailureWins)
{
    ScriptedDialogs dialogs;
    struct Case {
        const char* what;
        std::function<void(AreaProperties&)> set;
        int tab;
        QString message;
    };
    const Case cases[] = {
        {"picture", [](AreaProperties& p) { p.hasPicture = true; }, AreaValidity::Appearance,
         QStringLiteral("You have chosen to use a picture for the area background but have not selected any valid picture.")},
        {"frame", [](AreaProperties& p) { p.actions.goToFrame = true; }, AreaValidity::Action,
         QStringLiteral("You have chosen to go to another frame when the player clicks on the area, but you have not chosen a valid frame.")},
        {"text", [](AreaProperties& p) { p.actions.showMessage = true; }, AreaValidity::Action,
         QStringLiteral("You have chosen to display a text message but have not entered any text.")},
        {"sound", [](AreaProperties& p) { p.actions.playSound = true; }, AreaValidity::Action,
         QStringLiteral("You have chosen to make a sound on player's click but have not chosen a valid sound file.")},
        {"variable", [](AreaProperties& p) { p.actions.changeVariable = true; }, AreaValidity::Variables,
         QStringLiteral("You have chosen to change the value of a variable but have not chosen a valid variable.")},
        {"object", [](AreaProperties& p) { p.pickable = true; p.icon = QStringLiteral("k.ico"); }, AreaValidity::Object,
         QStringLiteral("You must give a name to the object.")},
        {"icon", [](AreaProperties& p) { p.pickable = true; p.objectName = QStringLiteral("Key"); }, AreaValidity::Object,
         QStringLiteral("You must select a valid icon for the pickable object.")},
        {"stop and go", [](AreaProperties& p) { p.actions.stopGame = p.actions.goToFrame = true; p.actions.frame = QStringLiteral("Yard"); },
         AreaValidity::Action, QStringLiteral("You cannot stop the game and go to another frame at the same time.")},
    };
    for (const Case& c : cases) {
        AreaProperties p;
        c.set(p);
        dialogs.clear();
        const AreaValidity::Result r = CheckValidity(p);
        EXPECT_EQ(r.code, 2) << c.what;
        EXPECT_EQ(r.tab, c.tab) << c.what;
        EXPECT_EQ(dialogs.messages(), QStringList{c.message}) << c.what;
        EXPECT_EQ(dialogs.shown().value(0).icon, Dialogs::Icon::Information) << c.what;
    }

    // Several failures: the picture rule comes first.
    AreaProperties many;
    many.hasPicture = many.actions.playSound = true;
    dialogs.clear();
    EXPECT_EQ(CheckValidity(many).tab, AreaValidity::Appearance);
    EXPECT_EQ(dialogs.shown().size(), 1);
}

TEST(AreaValidityTest, StoppingTheGameIsConfirmedEveryTime)
{
    ScriptedDialogs dialogs;
    AreaProperties p;
    p.actions.stopGame = true;
    dialogs.queueAnswer(Dialogs::No);
    EXPECT_EQ(CheckValidity(p).code, 2);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Do you really want to stop the game when the player clicks on the selected area?"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Dialogs::Buttons::YesNo);
    dialogs.queueAnswer(Dialogs::Yes);
    const AreaValidity::Result yes = CheckValidity(p);
    EXPECT_EQ(yes.code, 1);
    EXPECT_EQ(yes.tab, AreaValidity::Action);
    EXPECT_EQ(dialogs.shown().size(), 2);
}

TEST(AreaValidityTest, QuotationMarksAreRefusedWhereUsedAndDroppedWhereNot)
{
    ScriptedDialogs dialogs;
    AreaProperties p;
    p.pointer.clear();
    p.actions.showMessage = true;
    p.actions.message = QStringLiteral("Say \"hi\"");
    EXPECT_EQ(CheckValidity(p).tab, AreaValidity::Action);
    EXPECT_EQ(p.pointer, QStringLiteral("DEFAULT"));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Please do not use quotation marks: \"")});

    p.actions.showMessage = false;
    p.objectName = QStringLiteral("The \"key\"");
    EXPECT_EQ(CheckValidity(p).code, 1);
    EXPECT_EQ(p.actions.message, QString());
    EXPECT_EQ(p.objectName, QString());

    p.pickable = true;
    p.objectName = QStringLiteral("The \"key\"");
    p.icon = QStringLiteral("key.ico");
    EXPECT_EQ(CheckValidity(p).tab, AreaValidity::Object);
}

TEST(ProjectVariablesTest, TheListReadsToTheEndAndProposesFreeNames)
{
    TempProject project;
    project.makeGame();
    ScriptedDialogs dialogs;
    // The count is not trusted: the names run to the end of the file.
    project.writeLines(QStringLiteral("Config/Variables"), {QStringLiteral("1"), QStringLiteral("\"Variable01\""),
                                                            QStringLiteral("\"Variable03\""), QStringLiteral("\"lit\"")});
    QStringList names;
    ASSERT_TRUE(ProjectVariables::load(names));
    EXPECT_EQ(names, (QStringList{QStringLiteral("Variable01"), QStringLiteral("Variable03"), QStringLiteral("lit")}));
    EXPECT_EQ(ProjectVariables::proposal(names), QStringLiteral("Variable02"));
    QStringList full;
    for (int k = 1; k <= 99; ++k)
        full << QStringLiteral("Variable%1").arg(k, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(ProjectVariables::proposal(full), QStringLiteral("Variable100"));

    EXPECT_TRUE(ProjectVariables::canAdd(names, QStringLiteral("variable01")));  // case counts
    EXPECT_FALSE(ProjectVariables::canAdd(names, QString()));
    EXPECT_FALSE(ProjectVariables::canAdd(names, QStringLiteral("lit")));
    EXPECT_FALSE(ProjectVariables::canAdd(names, QStringLiteral("a\"b")));
    EXPECT_EQ(dialogs.messages(), (QStringList{QStringLiteral("Variable already exists."),
                                               QStringLiteral("Please do not use quotation marks: \"")}));

    names << QStringLiteral("door");
    ASSERT_TRUE(ProjectVariables::save(names));
    EXPECT_EQ(project.read(QStringLiteral("Config/Variables")),
              QByteArray("4\r\n\"Variable01\"\r\n\"Variable03\"\r\n\"lit\"\r\n\"door\"\r\n"));

    // A file that cannot be read leaves the list as it was, and says so.
    dialogs.clear();
    QFile::remove(project.path() + QStringLiteral("Config/Variables"));
    QStringList kept{QStringLiteral("a")};
    EXPECT_FALSE(ProjectVariables::load(kept));
    EXPECT_EQ(kept, QStringList{QStringLiteral("a")});
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Error while loading project variables.")});
}

}  // namespace
