#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "platform/media/RecordingMci.h"
#include "player/DisplayOptions.h"
#include "player/GameGeometry.h"
#include "player/Twips.h"
#include "player/records/ProjectRecord.h"
#include "player/windows/DragSource.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/windows/ScaledPicture.h"
#include "support/GameFiles.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QtTest>

using GameFiles::Action;
using GameFiles::Area;
using GameFiles::Frame;

// The game drawn larger than its own size: everything lands where it does at
// the game's own size, times the factor, and the game's own numbers do not
// change.
class tst_Scaling : public QObject {
    Q_OBJECT

private:
    // Areas 1..3 of Hall, in game pixels; each sets its own variable when
    // clicked and another when the key is dropped on it.
    const QRect kAreas[3] = {QRect(0, 0, 100, 100), QRect(200, 100, 100, 50), QRect(500, 300, 100, 100)};

    static QString clickedVar(int n) { return QStringLiteral("clicked%1").arg(n); }
    static QString droppedVar(int n) { return QStringLiteral("dropped%1").arg(n); }

    Game& startGame(int scale, QSize screen = QSize(1920, 1440))
    {
        DesktopScreen::setOverride(screen);
        DisplayOptions::current().scale = scale;
        ProjectRecord::current().load(m_project->path() + QStringLiteral("Config/General"));
        Game& game = Game::load();
        if (!game.ResetAll())
            qFatal("the game cannot start");
        game.StartNewGame();
        game.showGame();
        return game;
    }

    // Where area n lies in game pixels: its file's rectangle, which the
    // player moves by its 30-twip offset.
    QRect gameRect(Game& game, int n)
    {
        const QRectF t = game.areas()[size_t(n)]->twipsGeometry();
        return Twips::toPixels(t.left(), t.top(), t.width(), t.height());
    }

    // The control of the picture area under a point of the game (in game
    // pixels), found where it is drawn.
    QWidget* controlAt(Game& game, QPoint gamePixel)
    {
        return game.PictureBox->childAt(gamePixel * game.scale());
    }

    void clickAt(Game& game, QPoint gamePixel)
    {
        const QPoint at = gamePixel * game.scale();
        QWidget* target = game.PictureBox->childAt(at);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(game.PictureBox, at));
    }

    void dropAt(Game& game, QPoint gamePixel, ImageControl* icon)
    {
        const QPoint at = gamePixel * game.scale();
        QWidget* target = game.PictureBox->childAt(at);
        QVERIFY(target);
        const QPointF local = target->mapFrom(game.PictureBox, at);
        DragSource data(icon);
        QDragEnterEvent enter(local.toPoint(), Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(local, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<RecordingMci> m_mci;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

private slots:
    void init()
    {
        m_project = std::make_unique<TempProject>();
        m_project->makeGame(QStringLiteral("Quest"), 640, 480, QStringLiteral("Hall"));
        QStringList variables;
        for (int n = 1; n <= 3; ++n)
            variables << clickedVar(n) << droppedVar(n);
        GameFiles::writeVariables(*m_project, variables);
        Frame hall;
        hall.links = 3;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), hall);
        for (int n = 1; n <= 3; ++n) {
            const QRect r = kAreas[n - 1];
            Area area;
            area.left = r.left() * 15;
            area.top = r.top() * 15;
            area.width = r.width() * 15;
            area.height = r.height() * 15;
            GameFiles::writeArea(*m_project, QStringLiteral("Hall"), n, area);
            Action click;
            click.changeVariable = 1;
            click.variable = clickedVar(n);
            click.setToOne = true;
            GameFiles::writeAction(*m_project, QStringLiteral("Hall"), n, click);
            Action drop = click;
            drop.variable = droppedVar(n);
            GameFiles::writeEvent(*m_project, QStringLiteral("Hall"), n, QStringLiteral("key"), drop);
        }
        GameFiles::writeObject(*m_project, QStringLiteral("key"), QStringLiteral("key.ico"));
        GameFiles::writePicture(*m_project, QStringLiteral("Areas/key.ico"), QSize(32, 32));
        m_mci = std::make_unique<RecordingMci>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }

    void cleanup()
    {
        if (Game* game = Game::loaded())
            game->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DisplayOptions::current() = DisplayOptions();
        QVERIFY2(m_dialogs->unexpected().isEmpty(), qPrintable(m_dialogs->messages().join(QLatin1Char('|'))));
        m_dialogs.reset();
        m_mci.reset();
        m_project.reset();
    }

    void theFactorIsTheLargestWholeOneThatFits()
    {
        QCOMPARE(GameGeometry::autoScale(QSize(1024, 768), 640, 480), 1);
        QCOMPARE(GameGeometry::autoScale(QSize(1280, 1024), 640, 480), 2);
        QCOMPARE(GameGeometry::autoScale(QSize(1920, 1080), 640, 480), 2);
        QCOMPARE(GameGeometry::autoScale(QSize(3840, 2160), 640, 480), 4);
        QCOMPARE(GameGeometry::autoScale(QSize(800, 600), 1024, 768), 1);  // too large even once
        QCOMPARE(GameGeometry::autoScale(QSize(1024, 768), 0, 480), 1);
        DisplayOptions automatic{DisplayOptions::kAuto, false};
        QCOMPARE(automatic.factorFor(QSize(1920, 1440), 640, 480), 3);
        DisplayOptions fixed{2, false};
        QCOMPARE(fixed.factorFor(QSize(1024, 768), 640, 480), 2);  // asked for, even when it does not fit
    }

    void thePictureAreaIsCentredAtItsScaledSizeAndTheGameKeepsItsTwips_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("factor");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("auto on 1024x768") << 0 << QSize(1024, 768) << 1 << QRect(192, 144, 640, 480);
        QTest::newRow("auto on 1280x1024") << 0 << QSize(1280, 1024) << 2 << QRect(0, 32, 1280, 960);
        QTest::newRow("auto on 1920x1440") << 0 << QSize(1920, 1440) << 3 << QRect(0, 0, 1920, 1440);
        QTest::newRow("1 on 1920x1440") << 1 << QSize(1920, 1440) << 1 << QRect(640, 480, 640, 480);
        QTest::newRow("2 on 1024x768") << 2 << QSize(1024, 768) << 2 << QRect(-128, -96, 1280, 960);
    }

    void thePictureAreaIsCentredAtItsScaledSizeAndTheGameKeepsItsTwips()
    {
        QFETCH(int, scale);
        QFETCH(QSize, screen);
        QFETCH(int, factor);
        QFETCH(QRect, pixels);
        Game& game = startGame(scale, screen);
        QCOMPARE(game.scale(), factor);
        QCOMPARE(game.PictureBox->geometry(), pixels);
        QCOMPARE(game.BackImage->geometry(), QRect(QPoint(0, 0), pixels.size()));
        QCOMPARE(game.BackImage->twipsGeometry(), QRectF(0, 0, 9600, 7200));
        QCOMPARE(game.pictureBoxTwips().size(), QSize(9600, 7200));
        QCOMPARE(game.areas()[2]->twipsGeometry(), QRectF(3030, 1530, 1500, 750));
        QCOMPARE(game.areas()[2]->geometry(), QRect(QPoint(202, 102) * factor, QSize(100, 50) * factor));
        QCOMPARE(game.PictureBox->property("videoScale").toInt(), factor);
    }

    void clicksAtTheScaledPositionReachTheSameArea_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }

    void clicksAtTheScaledPositionReachTheSameArea()
    {
        QFETCH(int, scale);
        Game& game = startGame(scale);
        for (int n = 1; n <= 3; ++n) {
            const QRect r = gameRect(game, n);
            QCOMPARE(controlAt(game, r.center()), game.areas()[size_t(n)]);
            // The last game pixel inside belongs to it, the first outside not.
            QCOMPARE(controlAt(game, r.bottomRight()), game.areas()[size_t(n)]);
            QVERIFY(controlAt(game, r.bottomRight() + QPoint(1, 1)) != game.areas()[size_t(n)]);
            clickAt(game, r.center());
            for (int m = 1; m <= 3; ++m)
                QCOMPARE(game.GetVariableValue(clickedVar(m)), qint16(m <= n ? 1 : 0));
        }
    }

    void dropsAtTheScaledPositionReachTheSameArea_data() { clicksAtTheScaledPositionReachTheSameArea_data(); }

    void dropsAtTheScaledPositionReachTheSameArea()
    {
        QFETCH(int, scale);
        Game& game = startGame(scale);
        game.AddPickedObject(QStringLiteral("key"));
        ImageControl* key = game.pickedObjects()[1];
        // The icon lies over area 1's corner: drop on the middle of the others.
        for (int n : {2, 3}) {
            game.PickedObject_MouseDown(1, Qt::LeftButton);
            dropAt(game, gameRect(game, n).center(), key);
            QCOMPARE(game.GetVariableValue(droppedVar(n)), qint16(1));
            QCOMPARE(game.GetVariableValue(clickedVar(n)), qint16(0));
        }
        QCOMPARE(game.GetVariableValue(droppedVar(1)), qint16(0));
    }

    void inventoryIconsLieOnTheScaledGridAtTheirScaledSize()
    {
        Game& game = startGame(2);
        for (int i = 0; i < 19; ++i)
            game.AddPickedObject(QStringLiteral("key"));
        const auto& icons = game.pickedObjects();
        QCOMPARE(icons[1]->geometry(), QRect(0, 0, 64, 64));
        QCOMPARE(icons[2]->pos(), QPoint(70, 0));
        QCOMPARE(icons[18]->pos(), QPoint(17 * 70, 0));
        QCOMPARE(icons[19]->pos(), QPoint(0, 70));
        // The game's own numbers stay those of its pixels.
        QCOMPARE(icons[19]->twipsGeometry().topLeft(), QPointF(0, 525));
        QCOMPARE(icons[19]->twipsGeometry().size(), QSizeF(480, 480));
        // What follows the pointer during a drag is the icon as drawn.
        QCOMPARE(icons[1]->shownPicture().size(), QSize(64, 64));
        // A click at the scaled place of an icon reaches it.
        QCOMPARE(controlAt(game, QPoint(10, 35 + 10)), icons[19]);
    }

    void pointersAndTilesGrowWithTheirHotSpots()
    {
        QPixmap arrow(32, 32);
        arrow.fill(Qt::black);
        const QCursor pointer = ScaledPicture::cursor(QCursor(arrow, 5, 7), 3, false);
        QCOMPARE(pointer.pixmap().size(), QSize(96, 96));
        QCOMPARE(pointer.hotSpot(), QPoint(15, 21));
        QCOMPARE(ScaledPicture::cursor(QCursor(arrow, 5, 7), 1, false).hotSpot(), QPoint(5, 7));

        Frame tiled;
        tiled.kind = 1;
        tiled.background = QStringLiteral("tile.bmp");
        tiled.tiled = true;
        GameFiles::writeFrame(*m_project, QStringLiteral("Hall"), tiled);
        GameFiles::writePicture(*m_project, QStringLiteral("Frames/tile.bmp"), QSize(300, 200));
        Game& game = startGame(2);
        const std::vector<QPoint> expected = {QPoint(0, 0), QPoint(0, 400), QPoint(0, 800), QPoint(600, 0),
                                              QPoint(600, 400), QPoint(600, 800), QPoint(1200, 0),
                                              QPoint(1200, 400), QPoint(1200, 800)};
        QCOMPARE(game.tilePositions(), expected);
    }

    void sharpScalingKeepsPixelsSquare()
    {
        QImage checker(2, 1, QImage::Format_RGB32);
        checker.setPixel(0, 0, qRgb(0, 0, 0));
        checker.setPixel(1, 0, qRgb(255, 255, 255));
        const QImage sharp = ScaledPicture::pixmap(QPixmap::fromImage(checker), 4, true).toImage();
        QCOMPARE(sharp.size(), QSize(8, 4));
        for (int x = 0; x < 8; ++x)
            QCOMPARE(qGray(sharp.pixel(x, 2)), x < 4 ? 0 : 255);
        const QImage smooth = ScaledPicture::pixmap(QPixmap::fromImage(checker), 4, false).toImage();
        const int middle = qGray(smooth.pixel(3, 2));
        QVERIFY2(middle > 0 && middle < 255, "smooth scaling blends the pixels at the edge");
    }
};

QTEST_MAIN(tst_Scaling)
#include "tst_Scaling.moc"
