// An author makes a frame in the editor's own windows (the canvas driven by
// mouse events, the area dialog by its controls and its OK button), and the
// player's game session then plays the files that were written.

#include "editor/dialogs/windows/AreaVariablesPanel.h"
#include "editor/dialogs/windows/frmAreaProperties.h"
#include "editor/shell/windows/CanvasArea.h"
#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/frmMain.h"
#include "editor/shell/windows/frmMenu.h"
#include "editor/shell/windows/frmObjects.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextMetrics.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/state/DiskGameRecords.h"
#include "player/state/GameSession.h"
#include "player/state/HeadlessGameView.h"
#include "support/MouseDrags.h"
#include "support/OffscreenWarnings.h"
#include "support/ObjectDrops.h"
#include "support/TempProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

namespace {

// The real coordinator; only the modal step is played by the test, which
// acts as the author on the dialog's controls and presses its OK button.
class AuthorWindows : public EditorWindows {
public:
    using EditorWindows::EditorWindows;
    using EditorWindows::editFrame;

    std::function<void(frmAreaProperties&)> author;
    int shown = 0;

protected:
    int runModal(QDialog& dialog) override
    {
        ++shown;
        auto* area = qobject_cast<frmAreaProperties*>(&dialog);
        if (area && author)
            author(*area);
        author = nullptr;
        return dialog.result();
    }
    void endProgram() override {}
};

void pick(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text));
    QVERIFY2(list->currentIndex() >= 0, qPrintable(text));
}

}  // namespace

class tst_AuthorToPlayer : public QObject {
    Q_OBJECT

private:
    void draw(QPoint from, QPoint to) { mouseDrag(m_canvas->BackImage, from, to); }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMenu> m_menu;
    AuthorWindows* m_editor = nullptr;  // owned by the menu
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
        m_project->makeGame(QStringLiteral("Test Game"), 640, 480, QStringLiteral("Hall"));
        const QByteArray frame = "0\r\n255\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n";
        m_project->write(QStringLiteral("Frames/Hall.fme"), frame);
        m_project->write(QStringLiteral("Frames/Yard.fme"), frame);
        m_project->write(QStringLiteral("Areas/key.ico"), "x");
        m_project->write(QStringLiteral("Areas/Key.obj"), "\"key.ico\"\r\n");
        m_project->writeLines(QStringLiteral("Config/Variables"), {QStringLiteral("0")});
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_dialogs->setUnqueued(ScriptedDialogs::Unqueued::Record);
        m_menu = std::make_unique<frmMenu>();
        m_editor = new AuthorWindows(m_menu.get());
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
        ProjectRecord::current() = ProjectRecord();
        m_project.reset();
        ProcessState::StatusText.clear();
        ProcessState::EventObjectName.clear();
    }

    void aFrameDrawnInTheEditorIsPlayedByTheSession()
    {
        m_editor->editFrame(QStringLiteral("Hall"));
        m_canvas = m_editor->frameEditor();
        QVERIFY(m_canvas->isVisible());
        QCOMPARE(m_canvas->areaCount(), 0);

        // Area 1: a way out to the yard, with a message.
        m_editor->author = [](frmAreaProperties& d) {
            d.Action[0]->click();
            pick(d.Combo1, QStringLiteral("Yard"));
            d.Action[1]->click();
            d.TextMessage->setText(QStringLiteral("Off we go."));
            d.Command2->click();
        };
        draw(QPoint(20, 20), QPoint(120, 100));
        QCOMPARE(m_editor->shown, 1);
        QCOMPARE(m_canvas->areaCount(), 1);

        // Area 2: the key to pick up; it also lights the lamp, a variable
        // the author adds in the variables panel.
        m_editor->author = [this](frmAreaProperties& d) {
            d.ObjectOption[0]->click();
            d.TextObjectName->setText(QStringLiteral("Key"));
            pick(d.Combo5, QStringLiteral("key.ico"));
            d.findChild<QPushButton*>(QStringLiteral("Command7"))->click();
            QVERIFY(!d.FrameVariables->isHidden());
            m_dialogs->queueInput(QStringLiteral("lamp"));
            d.FrameVariables->findChild<QPushButton*>(QStringLiteral("Command11"))->click();
            d.FrameVariables->Command13->click();
            d.VariablesOption[0]->click();
            pick(d.Combo3, QStringLiteral("lamp"));
            d.NewValue[1]->click();
            d.Command2->click();
        };
        draw(QPoint(200, 20), QPoint(300, 100));
        QCOMPARE(m_editor->shown, 2);
        QCOMPARE(m_canvas->areaCount(), 2);

        // Area 3: shown only while the lamp is 1.
        m_editor->author = [](frmAreaProperties& d) {
            d.VariablesOption[1]->click();
            pick(d.Combo4, QStringLiteral("lamp"));
            d.Command9_Click(1);
            QCOMPARE(d.List2->count(), 1);
            d.Command2->click();
        };
        draw(QPoint(400, 20), QPoint(500, 100));
        QCOMPARE(m_editor->shown, 3);
        QCOMPARE(m_canvas->areaCount(), 3);

        // The key dropped on area 3 in the canvas: its event says it fits.
        m_editor->author = [](frmAreaProperties& d) {
            QCOMPARE(ProcessState::EventObjectName, QStringLiteral("Key"));
            d.Action[1]->click();
            d.TextMessage->setText(QStringLiteral("It fits."));
            d.Command2->click();
        };
        m_menu->ShowPanel(EditorPanel::ObjectsAndEvents);
        dropObject(m_canvas->area(3), QStringLiteral("Key"));
        QCOMPARE(m_editor->shown, 4);
        QCOMPARE(ProcessState::StatusText, QStringLiteral("0"));
        QVERIFY2(m_dialogs->messages().isEmpty(), qPrintable(m_dialogs->messages().join(u'|')));

        // The player, on the files as they are on disk.
        m_canvas->close();
        ProjectRecord::current() = ProjectRecord();
        QVERIFY(LoadProjectRecord());
        QCOMPARE(ProjectRecord::current().StartingFrame, QStringLiteral("Hall"));
        HeadlessGameView view;
        GameSession game(DiskGameRecords::instance(), view);
        game.resetAll();
        game.startNewGame();
        QCOMPARE(game.frame().Name, QStringLiteral("Hall"));
        QCOMPARE(game.frame().LinksCount, 3);
        QCOMPARE(game.areas().size(), 3);
        // Drawn at 20,20 and 200,20 pixels (15 twips each); the player
        // shows areas 30 twips right and down of their stored rectangle.
        QCOMPARE(game.areas()[0].twips, QRectF(330, 330, 1500, 1200));
        QCOMPARE(game.areas()[1].twips, QRectF(3030, 330, 1500, 1200));
        QCOMPARE(game.areas()[2].twips, QRectF(6030, 330, 1500, 1200));
        QVERIFY(game.areas()[0].visible);
        QVERIFY(game.areas()[1].visible);
        QVERIFY(!game.areas()[2].visible);  // the lamp is 0
        QCOMPARE(game.variableValue(QStringLiteral("lamp")), qint16(0));

        game.click(2);
        QCOMPARE(game.inventory(), QStringList{QStringLiteral("Key")});
        QCOMPARE(game.variableValue(QStringLiteral("lamp")), qint16(1));
        QVERIFY(game.areas()[2].visible);
        QCOMPARE(game.frame().Name, QStringLiteral("Hall"));

        QVERIFY(game.startDrag(1));
        game.drop(3);
        QCOMPARE(view.lastMessage(), std::optional<QString>(QStringLiteral("It fits.")));
        QCOMPARE(game.frame().Name, QStringLiteral("Hall"));

        game.click(1);
        QCOMPARE(game.frame().Name, QStringLiteral("Yard"));
        QStringList messages;
        for (const HeadlessGameView::Message& m : view.messages()) {
            QCOMPARE(m.kind, HeadlessGameView::Message::Kind::Game);
            messages << m.text;
        }
        QCOMPARE(messages, (QStringList{QStringLiteral("It fits."), QStringLiteral("Off we go.")}));
        QCOMPARE(view.framesOpened(), (QStringList{QStringLiteral("Hall"), QStringLiteral("Yard")}));
    }
};

QTEST_MAIN(tst_AuthorToPlayer)
#include "tst_AuthorToPlayer.moc"
