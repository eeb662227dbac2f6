#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextMetrics.h"
#include "platform/media/RecordingMci.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/windows/PlayerWindows.h"
#include "player/windows/frmWelcome.h"
#include "support/GameFiles.h"
#include "support/TempProject.h"

#include <QApplication>
#include <QDialog>
#include <QtTest>

// The player's coordinator answers what the welcome and game windows ask
// for: these tests go through the real windows and see which window opens.
class tst_PlayerWindows : public QObject {
    Q_OBJECT

private:
    // Runs `ask` and gives the name of the modal window it opened, closing it.
    static QString modalOpenedBy(const std::function<void()>& ask)
    {
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = dialog->objectName();
                dialog->reject();
            }
        });
        ask();
        return opened;
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<RecordingMci> m_mci;

private slots:
    void init()
    {
        DesktopScreen::setOverride(QSize(1024, 768));
        TextMetrics::setOverride(16);
        m_project = std::make_unique<TempProject>();
        m_project->makeGame();
        GameFiles::writeFrame(*m_project, QStringLiteral("Start"), GameFiles::Frame());
        m_project->writeLines(QStringLiteral("Config/Variables"), {QStringLiteral("0")});
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_mci = std::make_unique<RecordingMci>();
    }

    void cleanup()
    {
        if (Game* game = Game::loaded())
            game->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(m_dialogs->unexpected().isEmpty(), qPrintable(m_dialogs->messages().join(QLatin1Char('|'))));
        m_mci.reset();
        m_dialogs.reset();
        m_project.reset();
        ProjectPaths::clear();
        ProjectRecord::current() = ProjectRecord();
    }

    void theWelcomeAndTheGameWindowsAskTheCoordinator()
    {
        frmWelcome welcome(m_project->path());
        welcome.Form_Load();
        PlayerWindows windows(welcome);

        QCOMPARE(modalOpenedBy([&welcome] { welcome.Image6_Click(); }), QStringLiteral("frmLoadGame"));

        // A new game is wired as it starts: "Save game" opens the save window.
        welcome.Image5_Click();
        Game* game = Game::loaded();
        QVERIFY(game);
        QCOMPARE(modalOpenedBy([game] { game->mnuSaveGame_Click(); }), QStringLiteral("frmSaveGame"));
        // Wiring the same game again does not open two windows.
        windows.watch(*game);
        int opened = 0;
        QTimer::singleShot(0, [&opened] {
            while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++opened;
                dialog->reject();
            }
        });
        game->mnuSaveGame_Click();
        QCOMPARE(opened, 1);
    }
};

QTEST_MAIN(tst_PlayerWindows)
#include "tst_PlayerWindows.moc"
