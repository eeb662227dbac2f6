#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/frmCheckGame.h"
#include "editor/shell/windows/frmMenu.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextMetrics.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"
#include "support/OffscreenWarnings.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The real coordinator, with the frame editor and the area dialog recorded.
class RecordingWindows : public EditorWindows {
public:
    using EditorWindows::EditorWindows;

    QStringList opened;

protected:
    void editFrame(const QString& frame) override { opened << QStringLiteral("frame ") + frame; }
    void openAreaProperties(int n, const QRectF& twips) override
    {
        opened << QStringLiteral("area %1 at %2,%3").arg(n).arg(twips.left()).arg(twips.top());
    }
    void endProgram() override {}
};

CheckReport sampleReport()
{
    CheckReport report;
    report.states = 3;
    report.endings.append({QStringLiteral("Garden"), 1, QString(), QStringLiteral("Areas/Garden/1b.dat"), 1});
    report.findings.append({Finding::Kind::DeadEnd, QStringLiteral("Hall"), 1, QStringLiteral("Areas/Hall/1b.dat"),
                            QStringLiteral("clicking it can lead where no ending can be reached any more"),
                            {QStringLiteral("new"), QStringLiteral("click 1")}});
    report.findings.append({Finding::Kind::FrameNeverReached, QStringLiteral("Attic"), 0,
                            QStringLiteral("Frames/Attic.fme"), QStringLiteral("no reachable state shows this frame"), {}});
    report.findings.append({Finding::Kind::MissingFile, QString(), 0, QStringLiteral("Areas/Key.obj"),
                            QStringLiteral("the icon of object 'Key', 'key.ico', does not exist"), {}});
    return report;
}

}  // namespace

class tst_CheckGame : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TextMetrics::setOverride(16);
        ignoreOffscreenWindowWarnings();
    }

    void eachFindingLeadsToItsFrameOrArea()
    {
        frmCheckGame window;
        QSignalSpy frames(&window, &frmCheckGame::frameRequested);
        QSignalSpy areas(&window, &frmCheckGame::areaRequested);
        window.showReport(sampleReport());
        QCOMPARE(window.lstFindings->topLevelItemCount(), 3);
        QVERIFY(window.lblSummary->text().contains(QStringLiteral("Ending: frame Garden, area 1")));
        QVERIFY(window.lstFindings->topLevelItem(0)->text(4).endsWith(QStringLiteral("(shortest way: new, click 1)")));

        window.cmdGoTo->click();  // the first finding is selected
        QCOMPARE(areas.size(), 1);
        QCOMPARE(areas[0], (QVariantList{QStringLiteral("Hall"), 1}));
        window.lstFindings_DblClick(window.lstFindings->topLevelItem(1));
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0][0].toString(), QStringLiteral("Attic"));
        // A finding about the whole game leads nowhere.
        window.lstFindings_DblClick(window.lstFindings->topLevelItem(2));
        QCOMPARE(frames.size() + areas.size(), 2);
    }

    void aCleanGameAndAFailedCheckSaySo()
    {
        frmCheckGame window;
        window.showChecking();
        QVERIFY(!window.cmdCheckAgain->isEnabled());
        window.showReport(CheckReport{});
        QCOMPARE(window.lstFindings->topLevelItemCount(), 0);
        QVERIFY(window.lblSummary->text().contains(QStringLiteral("Nothing was found wrong.")));
        QVERIFY(!window.cmdGoTo->isEnabled());
        window.showFailure(QStringLiteral("Unable to check the game."));
        QCOMPARE(window.lblSummary->text(), QStringLiteral("Unable to check the game."));
        QVERIFY(window.cmdCheckAgain->isEnabled());
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (qobject_cast<QPushButton*>(control) || qobject_cast<QTreeWidget*>(control))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
    }

    // The Project panel's button runs the checker program that lies beside
    // the editor on the open project; its dead end leads to the area.
    void projectPanelChecksTheGameWithTheCheckerBesideTheEditor()
    {
        QTemporaryDir program;
        QVERIFY(QFile::link(QStringLiteral(QUENDARA_CHECK_PROGRAM), program.filePath(QStringLiteral("quendara-check"))));
        ScriptedDialogs dialogs;
        frmMenu menu;
        auto* editor = new RecordingWindows(&menu);
        QVERIFY(menu.Form_Load(program.path()));
        ProjectPaths::setProjectPath(QStringLiteral(QUENDARA_TEST_DATA "/check/one-way-door/game"));
        menu.ShowPanel(EditorPanel::Project);

        menu.cmdCheckGame->click();
        frmCheckGame* window = editor->checkWindow();
        QVERIFY(window->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(window->lstFindings->topLevelItemCount(), 1, 60000);
        QCOMPARE(window->lstFindings->topLevelItem(0)->text(3), QStringLiteral("Areas/Hall/1b.dat"));
        window->cmdGoTo->click();
        QCOMPARE(editor->opened, (QStringList{QStringLiteral("frame Hall"), QStringLiteral("area 1 at 300,300")}));
        QVERIFY(dialogs.unexpected().isEmpty());
        ResetFrameRecord();
        ProjectPaths::clear();
    }
};

QTEST_MAIN(tst_CheckGame)
#include "tst_CheckGame.moc"
