#include "editor/dialogs/AreaProperties.h"
#include "editor/shell/windows/CanvasArea.h"
#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/frmFrames.h"
#include "editor/shell/windows/frmMain.h"
#include "editor/shell/windows/frmMenu.h"
#include "editor/shell/windows/frmObjects.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextMetrics.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/AreaPlacement.h"
#include "player/records/LinksFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"
#include "player/records/RecordSync.h"
#include "support/MouseDrags.h"
#include "support/OffscreenWarnings.h"
#include "support/ObjectDrops.h"
#include "support/TempProject.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

namespace {

// The real coordinator with the area dialog's four answers recorded; a new
// area and a move write what the dialog would write.
class AnsweringWindows : public EditorWindows {
public:
    using EditorWindows::EditorWindows;

    QStringList calls;
    bool keepNewAreas = true;
    QString statusDuringCall;

protected:
    void openAreaProperties(int n, const QRectF& twips) override { record(QStringLiteral("properties"), n, twips); }
    bool openNewArea(int n, const QRectF& twips) override
    {
        record(QStringLiteral("new"), n, twips);
        if (keepNewAreas)
            write(n, twips);
        return keepNewAreas;
    }
    void saveAreaPosition(int n, const QRectF& twips) override
    {
        record(QStringLiteral("move"), n, twips);
        write(n, twips);
    }
    void openObjectEvent(int n, const QString& object) override
    {
        calls << QStringLiteral("event %1 %2 %3").arg(n).arg(object, ProcessState::EventObjectName);
        statusDuringCall = ProcessState::StatusText;
        AreaPropertiesFiles::saveEvent(FrameRecord::current().Name, n, object, AreaActions{});
    }
    int runModal(QDialog&) override { return 0; }
    void endProgram() override {}

private:
    void record(const QString& what, int n, const QRectF& r)
    {
        statusDuringCall = ProcessState::StatusText;
        calls << QStringLiteral("%1 %2 %3,%4 %5x%6").arg(what).arg(n).arg(r.left()).arg(r.top()).arg(r.width()).arg(
                     r.height());
    }
    static void write(int n, const QRectF& r)
    {
        AreaProperties p;
        p.left = float(r.left());
        p.top = float(r.top());
        p.width = float(r.width());
        p.height = float(r.height());
        AreaPropertiesFiles::save(FrameRecord::current().Name, n, p);
    }
};

QByteArray placement(int left, int top, int width, int height)
{
    return QStringLiteral("%1\r\n%2\r\n%3\r\n%4\r\n#TRUE#\r\n#FALSE#\r\n\"\"\r\n0\r\n\"DEFAULT\"\r\n0\r\n0\r\n0\r\n")
        .arg(left)
        .arg(top)
        .arg(width)
        .arg(height)
        .toLatin1();
}

}  // namespace

class tst_Canvas : public QObject {
    Q_OBJECT

private:
    qint16 linksOnDisk() const
    {
        LinksFile links;
        RecordFile::load(ProjectFiles::linksFile(QStringLiteral("Hall")), links);
        return links.LinksCount;
    }
    QRectF storedRectangle(int n) const
    {
        AreaPlacement a;
        RecordFile::load(ProjectFiles::areaFile(QStringLiteral("Hall"), n, ProjectFiles::AreaPart::Placement), a);
        return QRectF(a.Left, a.Top, a.Width, a.Height);
    }
    // Writes `count` areas in a row and opens the frame.
    void openHall(int count, int claimed = -1)
    {
        for (int k = 1; k <= count; ++k)
            m_project->write(QStringLiteral("Areas/Hall/%1a.dat").arg(k), placement(k * 1500, 300, 900, 600));
        m_project->write(QStringLiteral("Frames/Hall.lks"),
                         QByteArray::number(claimed < 0 ? count : claimed) + "\r\n");
        m_menu->ShowPanel(EditorPanel::EditProject);
        m_editor->framesWindow()->LView->setCurrentRow(0);
        m_menu->cmdEditSelectedFrame_Click();
        m_canvas = m_editor->frameEditor();
    }
    // A drag of an area with the points in the canvas's coordinates: each
    // event's position is taken inside the area where it stands then.
    void dragArea(CanvasArea* area, QPoint from, QPoint to)
    {
        QTest::mousePress(area, Qt::LeftButton, {}, area->mapFromParent(from));
        QTest::mouseMove(area, area->mapFromParent((from + to) / 2));
        QTest::mouseMove(area, area->mapFromParent(to));
        QTest::mouseRelease(area, Qt::LeftButton, {}, area->mapFromParent(to));
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMenu> m_menu;
    AnsweringWindows* m_editor = nullptr;  // owned by the menu
    frmMain* m_canvas = nullptr;
    QTemporaryDir m_program;

private slots:
    void initTestCase()
    {
        TextMetrics::setOverride(16);
        ignoreOffscreenWindowWarnings();
    }

    void init()
    {
        m_project = std::make_unique<TempProject>();
        m_project->makeGame();
        ProjectRecord::current().ScreenWidth = 640;
        ProjectRecord::current().ScreenHeight = 480;
        m_project->write(QStringLiteral("Frames/Hall.fme"),
                         "0\r\n255\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_dialogs->setUnqueued(ScriptedDialogs::Unqueued::Record);
        m_menu = std::make_unique<frmMenu>();
        m_editor = new AnsweringWindows(m_menu.get());
        QVERIFY(m_menu->Form_Load(m_program.path()));
        m_menu->show();
        ProcessState::StatusText = QStringLiteral("0");
    }

    void cleanup()
    {
        m_menu.reset();
        m_dialogs.reset();
        ResetFrameRecord();
        ProjectPaths::clear();
        m_project.reset();
        ProcessState::StatusText.clear();
    }

    void editingOpensTheFrameOnTheCanvasAndClosingIsDone()
    {
        openHall(2);
        QVERIFY(m_canvas->isVisible());
        QCOMPARE(m_menu->currentPanel(), EditorPanel::EditFrame);
        QCOMPARE(FrameRecord::current().Name, QStringLiteral("Hall"));
        QCOMPARE(m_canvas->BackImage->size(), QSize(640, 480));
        QCOMPARE(m_canvas->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(m_canvas->areaCount(), 2);
        QCOMPARE(m_canvas->area(2)->geometry(), QRect(200, 20, 60, 40));
        QVERIFY(m_dialogs->shown().isEmpty());

        m_canvas->close();
        QCOMPARE(m_menu->currentPanel(), EditorPanel::EditProject);
        QVERIFY(!m_canvas->isVisible());

        // The frames list opens the same canvas by double-click and "Edit...".
        frmFrames* frames = m_editor->framesWindow();
        frames->LView->setCurrentRow(0);
        frames->LView_ItemClick();
        frames->LView_Click();
        frames->LView_DblClick();
        QVERIFY(m_canvas->isVisible());
        QCOMPARE(m_menu->currentPanel(), EditorPanel::EditFrame);
        m_menu->Command10_Click();
        QVERIFY(!m_canvas->isVisible());
        frames->mnuFrameEdit_Click();
        QVERIFY(m_canvas->isVisible());
        QCOMPARE(m_editor->frameEditor(), m_canvas);
    }

    void picturesAreStretchedOrTiledAndAMissingTileIsTheWindowColour()
    {
        QImage tile(8, 4, QImage::Format_RGB32);
        tile.fill(Qt::green);
        QVERIFY(tile.save(m_project->path() + QStringLiteral("Frames/tile.png")));
        QVERIFY(tile.save(m_project->path() + QStringLiteral("Areas/door.png")));
        const QByteArray tiled = "1\r\n\"tile.png\"\r\n#TRUE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n0\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n";
        m_project->write(QStringLiteral("Frames/Hall.fme"), tiled);
        m_project->write(QStringLiteral("Areas/Hall/1a.dat"),
                         "15\r\n15\r\n300\r\n300\r\n#FALSE#\r\n#TRUE#\r\n\"door.png\"\r\n1\r\n\"DEFAULT\"\r\n0\r\n");
        m_project->write(QStringLiteral("Areas/Hall/2a.dat"), placement(3000, 3000, 300, 300));
        openHall(0, 2);
        QCOMPARE(m_canvas->tilePicture().size(), QSize(8, 4));
        QCOMPARE(m_canvas->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(m_canvas->grab().toImage().pixelColor(300, 300), QColor(Qt::green));
        QVERIFY(m_canvas->area(1)->hasPicture());
        QVERIFY(!m_canvas->area(2)->hasPicture());

        // Stretched over the whole background.
        m_project->write(QStringLiteral("Frames/Hall.fme"), QByteArray(tiled).replace("#TRUE#\r\n#FALSE#", "#FALSE#\r\n#FALSE#"));
        m_menu->ShowPanel(EditorPanel::EditProject);
        m_menu->cmdEditSelectedFrame_Click();
        QVERIFY(m_canvas->tilePicture().isNull());
        QCOMPARE(m_canvas->grab().toImage().pixelColor(600, 450), QColor(Qt::green));

        // A tile that is not there: nothing to repeat, the window stays black.
        m_project->write(QStringLiteral("Frames/Hall.fme"), QByteArray(tiled).replace("tile.png", "gone.png"));
        m_menu->ShowPanel(EditorPanel::EditProject);
        m_menu->cmdEditSelectedFrame_Click();
        QCOMPARE(m_canvas->grab().toImage().pixelColor(300, 300), QColor(Qt::black));
        QVERIFY(m_dialogs->shown().isEmpty());
    }

    void aFrameThatCannotBeReadIsNotOpened()
    {
        m_project->write(QStringLiteral("Frames/Hall.fme"), "0\r\n");
        m_menu->ShowPanel(EditorPanel::EditProject);
        m_editor->framesWindow()->LView->setCurrentRow(0);
        m_menu->cmdEditSelectedFrame_Click();
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to load '") + m_project->path()
                                                     + QStringLiteral("Frames/Hall.fme'")});
        QCOMPARE(m_menu->currentPanel(), EditorPanel::EditProject);
    }

    void framePropertiesWithNoFrameSelectedAsk()
    {
        QFile::remove(m_project->path() + QStringLiteral("Frames/Hall.fme"));
        m_menu->ShowPanel(EditorPanel::EditProject);  // an empty frames list
        m_menu->cmdFrameProperties_Click();
        m_editor->framesWindow()->mnuFrameProperties_Click();
        QCOMPARE(m_dialogs->messages(),
                 (QStringList{QStringLiteral("Please select a frame."), QStringLiteral("Please select a frame.")}));
    }

    void aLinksFileClaimingTooManyAreasIsRepaired()
    {
        openHall(3, 32767);
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to load all the 32767 frame area(s).")});
        QCOMPARE(m_canvas->areaCount(), 3);
        QCOMPARE(linksOnDisk(), qint16(3));
        QCOMPARE(FrameRecord::current().LinksCount, qint16(3));
    }

    void drawingMakesTheNextArea()
    {
        openHall(2);
        QCOMPARE(m_canvas->GetFreeAreaIndex(), 3);
        mouseDrag(m_canvas->BackImage, QPoint(100, 100), QPoint(150, 130));
        QCOMPARE(m_editor->calls, QStringList{QStringLiteral("new 3 1500,1500 750x450")});
        QCOMPARE(m_editor->statusDuringCall, QStringLiteral("3"));
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
        QCOMPARE(linksOnDisk(), qint16(3));
        QCOMPARE(storedRectangle(3), QRectF(1500, 1500, 750, 450));
        QCOMPARE(m_canvas->areaCount(), 3);
    }

    void cancelledTinyAndBackwardRectanglesLeaveNothing()
    {
        openHall(2);
        m_editor->keepNewAreas = false;
        mouseDrag(m_canvas->BackImage, QPoint(100, 100), QPoint(150, 130));
        QCOMPARE(m_editor->calls.size(), 1);
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall/3a.dat")));
        QCOMPARE(linksOnDisk(), qint16(2));
        QCOMPARE(m_canvas->areaCount(), 2);

        // A click, a rectangle two pixels high and one drawn up and left.
        m_editor->keepNewAreas = true;
        QTest::mouseClick(m_canvas->BackImage, Qt::LeftButton, {}, QPoint(300, 300));
        mouseDrag(m_canvas->BackImage, QPoint(300, 300), QPoint(400, 302));
        mouseDrag(m_canvas->BackImage, QPoint(300, 300), QPoint(250, 250));
        QCOMPARE(m_editor->calls.size(), 1);
        QCOMPARE(m_canvas->areaCount(), 2);
        QCOMPARE(linksOnDisk(), qint16(2));
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
    }

    void movingKeepsTheGrabOffsetAndOutsideGoesBack()
    {
        openHall(2);
        CanvasArea* area = m_canvas->area(1);  // 100,20 to 160,60 in pixels
        dragArea(area, QPoint(110, 30), QPoint(130, 70));
        QCOMPARE(m_editor->calls, QStringList{QStringLiteral("move 1 1800,900 900x600")});
        QCOMPARE(storedRectangle(1), QRectF(1800, 900, 900, 600));
        QCOMPARE(area->geometry(), QRect(120, 60, 60, 40));

        // Released beyond the canvas's right edge: nothing moves, nothing written.
        dragArea(area, QPoint(130, 70), QPoint(700, 70));
        QCOMPARE(m_editor->calls.size(), 1);
        QCOMPARE(area->geometry(), QRect(120, 60, 60, 40));
        QCOMPARE(storedRectangle(1), QRectF(1800, 900, 900, 600));
    }

    void theAreaMenuOpensPropertiesAndRemovesWithRenumbering()
    {
        openHall(5);
        m_project->write(QStringLiteral("Areas/Hall/5b.dat"), "b");
        m_project->write(QStringLiteral("Areas/Hall/5_key.drg"), "e");
        m_project->write(QStringLiteral("Areas/Hall/2_lamp.drg"), "e");
        QTest::mouseClick(m_canvas->area(4), Qt::RightButton);
        m_canvas->mnuAreaModify->hide();
        m_canvas->mnuAreaProperties_Click();
        QCOMPARE(m_editor->calls, QStringList{QStringLiteral("properties 4 6000,300 900x600")});
        QCOMPARE(m_editor->statusDuringCall, QStringLiteral("4"));

        QTest::mouseClick(m_canvas->area(2), Qt::RightButton);
        m_canvas->mnuAreaModify->hide();
        m_canvas->mnuAreaRemove_Click();
        QCOMPARE(m_canvas->areaCount(), 4);
        QCOMPARE(linksOnDisk(), qint16(4));
        QVERIFY(m_project->exists(QStringLiteral("Areas/Hall/2_key.drg")));
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall/5_key.drg")));
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall/2_lamp.drg")));
        QVERIFY(m_project->exists(QStringLiteral("Areas/Hall/2b.dat")));
        QCOMPARE(m_canvas->area(2)->twipsGeometry(), QRectF(7500, 300, 900, 600));
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));

        QTest::mouseClick(m_canvas->area(1), Qt::RightButton);
        m_canvas->mnuAreaModify->hide();
        m_canvas->mnuAreaCancel_Click();
        m_canvas->mnuAreaRemove_Click();  // the menu was cancelled: no area to remove
        QCOMPARE(m_canvas->areaCount(), 4);
    }

    // Tab reaches the areas in turn; the arrows move one pixel (ten with
    // Shift) as a drag would, and never past the canvas's top-left edge;
    // Enter and Delete take the pop-up menu's steps.
    void theKeyboardSelectsMovesOpensAndRemovesAreas()
    {
        openHall(3);
        m_canvas->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_canvas));
        m_canvas->area(1)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_canvas->area(2));
        QCOMPARE(m_canvas->area(2)->accessibleName(), QStringLiteral("Area 2"));

        QTest::keyClick(m_canvas->area(2), Qt::Key_Right);
        QTest::keyClick(m_canvas->area(2), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(m_editor->calls, (QStringList{QStringLiteral("move 2 3015,300 900x600"), QStringLiteral("move 2 3015,450 900x600")}));
        QCOMPARE(storedRectangle(2), QRectF(3015, 450, 900, 600));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(m_canvas->area(2), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(m_editor->calls.size(), 5);  // the fourth would leave the canvas
        QCOMPARE(storedRectangle(2), QRectF(3015, 0, 900, 600));

        QTest::keyClick(m_canvas->area(2), Qt::Key_Return);
        QCOMPARE(m_editor->calls.last(), QStringLiteral("properties 2 3015,0 900x600"));
        QCOMPARE(QApplication::focusWidget(), m_canvas->area(2));

        QTest::keyClick(m_canvas->area(2), Qt::Key_Delete);
        QCOMPARE(m_canvas->areaCount(), 2);
        QCOMPARE(linksOnDisk(), qint16(2));
        QCOMPARE(m_canvas->area(2)->twipsGeometry(), QRectF(4500, 300, 900, 600));
        QCOMPARE(QApplication::focusWidget(), m_canvas->area(2));
    }

    // Insert draws a new area in the middle of the frame and asks for its
    // properties as a drawn rectangle does; Ctrl with the arrows moves its
    // right or bottom edge by a pixel (ten with Shift), never below the
    // smallest area nor past the canvas.
    void theKeyboardDrawsAndSizesAreas()
    {
        openHall(2);
        m_canvas->show();
        m_canvas->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_canvas));
        m_editor->keepNewAreas = false;
        QTest::keyClick(m_canvas, Qt::Key_Insert);
        QCOMPARE(m_editor->calls, QStringList{QStringLiteral("new 3 4080,3120 1440x960")});
        QCOMPARE(m_canvas->areaCount(), 2);
        QCOMPARE(linksOnDisk(), qint16(2));

        m_editor->keepNewAreas = true;
        QTest::keyClick(m_canvas, Qt::Key_Insert);
        QCOMPARE(m_editor->calls.last(), QStringLiteral("new 3 4080,3120 1440x960"));
        QCOMPARE(m_editor->statusDuringCall, QStringLiteral("3"));
        QCOMPARE(linksOnDisk(), qint16(3));
        QCOMPARE(storedRectangle(3), QRectF(4080, 3120, 1440, 960));
        QTRY_COMPARE(QApplication::focusWidget(), m_canvas->area(3));

        CanvasArea* area = m_canvas->area(3);
        QTest::keyClick(area, Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(area, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(storedRectangle(3), QRectF(4080, 3120, 1455, 1110));
        QCOMPARE(area->geometry(), QRect(272, 208, 97, 74));
        const int written = int(m_editor->calls.size());

        // Narrowed to the smallest area and no further.
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(area, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(storedRectangle(3), QRectF(4080, 3120, 105, 1110));
        QCOMPARE(m_editor->calls.size(), written + 9);
        // Widened to the canvas's right edge and no further.
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(area, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(storedRectangle(3).right() <= 640 * 15);
        QVERIFY(storedRectangle(3).right() > 640 * 15 - 150);
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
    }

    void objectsDroppedOnAnAreaAskForTheirEvent()
    {
        openHall(2);
        m_menu->ShowPanel(EditorPanel::ObjectsAndEvents);
        dropObject(m_canvas->BackImage, QStringLiteral("Key"));
        QVERIFY(m_editor->calls.isEmpty());
        dropObject(m_canvas->area(2), QStringLiteral("Key"));
        QCOMPARE(m_editor->calls, QStringList{QStringLiteral("event 2 Key Key")});
        QCOMPARE(m_editor->statusDuringCall, QStringLiteral("2"));
        QVERIFY(ProcessState::EventObjectName.isEmpty());
        QCOMPARE(m_menu->EventsList->count(), 1);
        QCOMPARE(m_menu->EventsList->item(0)->text(), QStringLiteral("2_Key"));
    }
};

QTEST_MAIN(tst_Canvas)
#include "tst_Canvas.moc"
