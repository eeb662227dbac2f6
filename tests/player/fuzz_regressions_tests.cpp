// Faults the fuzz targets in fuzz/ found in the readers of the player's
// files, each with the input that showed it.

#include "player/records/RecordReader.h"
#include "player/state/GameVariables.h"
#include "player/records/SavedGame.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

// A blank line is an empty value, so a count backed by blank lines reads one
// value per line. Asking whether any value was left used to walk the rest of
// the file each time: a saved game of 300 000 blank lines took minutes.
TEST(FuzzRegressionTest, BlankLinesAreReadInTimeProportionalToTheFile)
{
    TempProject project;
    project.makeGame();
    const QByteArray blankLines = QByteArray("\r\n").repeated(300000);
    project.write(QStringLiteral("blank.sav"), "\"Hall\"\r\n2147483647\r\n" + blankLines + "x\r\n");
    project.write(QStringLiteral("Config/Variables"), "32767\r\n" + blankLines + "x\r\n");

    QElapsedTimer timer;
    timer.start();
    SavedGame saved;
    EXPECT_FALSE(SavedGame::read(project.path() + QStringLiteral("blank.sav"), saved));
    EXPECT_EQ(saved.variables.size(), 150000);
    VariablesCollection variables;
    EXPECT_TRUE(GameVariables::load(variables, project.path() + QStringLiteral("Config/Variables")));
    EXPECT_EQ(variables.Count(), 32767);
    // Linear reading takes well under a second, even with sanitizers.
    EXPECT_LT(timer.elapsed(), 5000);

    RecordReader in(" \r\n\t,\r\n  ");
    EXPECT_FALSE(in.atEnd());  // the comma ends an empty value
    RecordValue value;
    EXPECT_TRUE(in.readValue(value));
    EXPECT_TRUE(in.readValue(value));
    EXPECT_EQ(value.kind, RecordValue::Kind::Empty);
    EXPECT_TRUE(in.atEnd());
    EXPECT_FALSE(in.readValue(value));
}

}  // namespace
