#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Shell.h"
#include "platform/TextMetrics.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/Twips.h"
#include "player/windows/frmWelcome.h"
#include "platform/media/RecordingMci.h"
#include "support/GameFiles.h"

#include <QtTest>

namespace {

QStringList record(const QString& version, const QString& author, const QString& email, const QString& homepage)
{
    auto q = [](const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); };
    return {q(QStringLiteral("Proj")), q(QStringLiteral("path")), q(QStringLiteral("The Quest")), QStringLiteral("2"),
            q(QStringLiteral("Start")), q(version), QStringLiteral("640"), QStringLiteral("480"), q(author), q(email),
            q(homepage)};
}

}  // namespace

class tst_Welcome : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmWelcome> openOn(const QStringList& general)
    {
        m_project = std::make_unique<TempProject>();
        m_project->makeGame();
        m_project->writeLines(QStringLiteral("Config/General"), general);
        ProjectPaths::clear();
        auto window = std::make_unique<frmWelcome>(m_project->path());
        connect(window.get(), &frmWelcome::programEndRequested, this, [this] { ++m_programEnds; });
        window->Form_Load();
        return window;
    }

    int bottomOf(const QWidget* w) { return Twips::fromPixels(w->geometry().bottom() + 1); }

    std::unique_ptr<TempProject> m_project;
    int m_programEnds = 0;

private slots:
    void init()
    {
        m_programEnds = 0;
        DesktopScreen::setOverride(QSize(1024, 768));
        TextMetrics::setOverride(16);
    }
    void cleanup()
    {
        ProjectPaths::clear();
        ProjectRecord::current() = ProjectRecord();
    }

    void showsTheRecordAndEndsBelowTheLastShownLine()
    {
        ScriptedDialogs dialogs;
        auto w = openOn(record(QStringLiteral("2.1"), QStringLiteral("Ann"), QStringLiteral("ann@example.org"),
                               QStringLiteral("https://example.org")));
        QCOMPARE(ProjectPaths::ProjectPath, m_project->path());
        QCOMPARE(w->txtAdventureName->text(), QStringLiteral("The Quest"));
        QCOMPARE(w->txtVersion->text(), QStringLiteral("Version 2.1"));
        QCOMPARE(w->txtAuthor->text(), QStringLiteral("Ann"));
        QVERIFY(!w->lblHomepage->isHidden());
        QCOMPARE(w->heightTwips(), w->borderTwips() + bottomOf(w->txtHomepage));
        QVERIFY(dialogs.shown().isEmpty());
    }

    void emptyAuthorFieldsEndBelowTheVersionLine()
    {
        auto w = openOn(record(QStringLiteral("1.00"), QString(), QString(), QString()));
        QVERIFY(w->lblAuthor->isHidden() && w->txtEmail->isHidden() && w->txtHomepage->isHidden());
        QCOMPARE(w->heightTwips(), w->borderTwips() + bottomOf(w->txtVersion));
        QCOMPARE(w->height(), w->txtVersion->geometry().bottom() + 1);
        // Centred on the 1024 × 768 screen, in twips.
        QCOMPARE(w->positionTwips(), QPoint((15360 - frmWelcome::kDesignWidth) / 2, (11520 - w->heightTwips()) / 2));
    }

    void onlyAHomePageMakesItTheLastLine()
    {
        auto w = openOn(record(QString(), QString(), QString(), QStringLiteral("https://example.org")));
        QVERIFY(w->txtAuthor->isHidden());
        QVERIFY(w->txtEmail->isHidden());
        QVERIFY(!w->txtHomepage->isHidden());
        QCOMPARE(w->txtVersion->text(), QString());  // no "Version " prefix
        QCOMPARE(w->heightTwips(), w->borderTwips() + bottomOf(w->txtHomepage));
    }

    void anUnreadableRecordWarnsUnderWhatWasReadAndKeepsTheDesign()
    {
        ScriptedDialogs dialogs;
        dialogs.queueAnswer(Dialogs::OK);
        auto w = openOn({QStringLiteral("\"Proj\""), QStringLiteral("\"path\""), QStringLiteral("\"Half Game\"")});
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown()[0].text,
                 QStringLiteral("Unable to load project information. The adventure game may not work properly."));
        QCOMPARE(dialogs.shown()[0].title, QStringLiteral("Half Game"));
        QCOMPARE(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(w->txtAdventureName->text(), QStringLiteral("Adventure name"));
        QCOMPARE(w->txtVersion->text(), QStringLiteral("Version 1.00"));
        QCOMPARE(w->heightTwips(), w->borderTwips() + frmWelcome::kDesignHeight);
    }

    void largeFontsWarnAndCancelEndsThePlayer()
    {
        auto w = openOn(record(QStringLiteral("1.00"), QString(), QString(), QString()));
        TextMetrics::setOverride(20);
        ScriptedDialogs dialogs;
        dialogs.queueAnswer(Dialogs::OK);
        w->Form_Activate();
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown()[0].title, QStringLiteral("Warning!"));
        QCOMPARE(dialogs.shown()[0].buttons, Dialogs::Buttons::OKCancel);
        QCOMPARE(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(dialogs.shown()[0].text,
                 QStringLiteral("Warning! Your system is set to use large fonts. This program will NOT work properly if "
                                "you don't change this setting.\n\nTo use small fonts (which is the Windows default), "
                                "just go to the 'Control Panel' (from the 'Settings' menu of the Start Menu), "
                                "double-click 'Display', click the 'Settings' tab, click 'Advanced...' and select "
                                "'Small Fonts' under 'Font size'. Click 'OK' and restart your computer.\n\nDo you "
                                "want to continue anyway? (not recommended)."));
        QCOMPARE(m_programEnds, 0);

        dialogs.queueAnswer(Dialogs::Cancel);
        QPointer<frmWelcome> guard(w.release());
        guard->Form_Activate();
        QCOMPARE(m_programEnds, 1);
        QVERIFY(guard->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }

    void everyReturnToTheWindowRunsTheFontCheckAgain()
    {
        auto w = openOn(record(QStringLiteral("1.00"), QString(), QString(), QString()));
        GameFiles::writeFrame(*m_project, QStringLiteral("Start"), GameFiles::Frame());
        GameFiles::writeVariables(*m_project, {});
        RecordingMci mci;
        ScriptedDialogs dialogs;
        TextMetrics::setOverride(20);
        auto warnings = [&dialogs] {
            return dialogs.messages().filter(QStringLiteral("large fonts")).size();
        };

        dialogs.queueAnswer(Dialogs::OK);
        w->show();
        QTRY_COMPARE(warnings(), 1);

        // Back from a game.
        dialogs.queueAnswer(Dialogs::OK);
        w->Image5_Click();
        QVERIFY(w->isHidden());
        Game::loaded()->mnuExit_Click();
        QVERIFY(w->isVisible());
        QTRY_COMPARE(warnings(), 2);

        // Back from the load-game window without loading a game.
        auto wiring = connect(w.get(), &frmWelcome::loadGameRequested, this, [] {});
        dialogs.queueAnswer(Dialogs::OK);
        w->Image6_Click();
        QCOMPARE(warnings(), 3);
        disconnect(wiring);

        // A game was loaded: the window is hidden and not activated.
        wiring = connect(w.get(), &frmWelcome::loadGameRequested, this, [&w] { w->hide(); });
        w->Image6_Click();
        QCOMPARE(warnings(), 3);
        disconnect(wiring);

        // Cancel on a return ends the player.
        w->show();
        dialogs.queueAnswer(Dialogs::Cancel);
        QPointer<frmWelcome> guard(w.release());
        QTRY_COMPARE(m_programEnds, 1);
        QCOMPARE(warnings(), 4);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }

    void smallFontsShowNoWarning()
    {
        ScriptedDialogs dialogs;
        auto w = openOn(record(QStringLiteral("1.00"), QString(), QString(), QString()));
        w->Form_Activate();
        QVERIFY(dialogs.shown().isEmpty());
    }

    void panelOpensClosesAndOpensTheAddress()
    {
        auto w = openOn(record(QStringLiteral("1.00"), QString(), QString(), QString()));
        QStringList opened;
        Shell::setOpener([&](const QString& t) {
            opened << t;
            return false;  // a failing browser is not reported
        });
        ScriptedDialogs dialogs;
        w->show();
        QVERIFY(w->Picture1->isHidden());
        w->Image8_Click();
        QVERIFY(w->Picture1->isVisible());
        QCOMPARE(w->Picture1->size(), w->size());
        w->Image4_Click();
        QCOMPARE(opened, QStringList{QString::fromLatin1(frmWelcome::kWebAddress)});
        w->Label3_Click();
        QVERIFY(w->Picture1->isHidden());
        w->Image8_Click();
        w->Image3_Click();
        QVERIFY(w->Picture1->isHidden());

        // Only a left-button click counts on the labels, as on the pictures.
        w->Image8_Click();
        QTest::mouseClick(w->Image4, Qt::RightButton);
        QTest::mouseClick(w->Label3, Qt::RightButton);
        QCOMPARE(opened.size(), 1);
        QVERIFY(w->Picture1->isVisible());
        QTest::mouseClick(w->Image4, Qt::LeftButton);
        QCOMPARE(opened.size(), 2);
        QTest::mouseClick(w->Label3, Qt::LeftButton);
        QVERIFY(w->Picture1->isHidden());
        QTest::mouseClick(w->Label2, Qt::RightButton);
        QVERIFY(w->Picture1->isHidden());
        QVERIFY(dialogs.shown().isEmpty());
        Shell::setOpener(nullptr);
    }

    void exitEndsThePlayer()
    {
        auto w = openOn(record(QStringLiteral("1.00"), QString(), QString(), QString()));
        QPointer<frmWelcome> guard(w.release());
        guard->Image7_Click();
        QCOMPARE(m_programEnds, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }

    void closingWhileTheEditorRunsTheGameReturnsToTheEditor()
    {
        auto w = openOn(record(QStringLiteral("1.00"), QString(), QString(), QString()));
        RecordingMci mci;
        QPointer<Game> game(&Game::load());
        int returns = 0;
        // The editor comes back first, then the game window is unloaded.
        connect(w.get(), &frmWelcome::editorReturnRequested, this, [&returns, &game] {
            ++returns;
            QVERIFY(ProcessState::StatusText.isEmpty());
            QCOMPARE(Game::loaded(), game.data());
        });
        ProcessState::StatusText = QStringLiteral("RunningFromEditor");
        QPointer<frmWelcome> guard(w.release());
        guard->Image7_Click();
        QCOMPARE(returns, 1);
        QVERIFY(!Game::loaded());
        QVERIFY(guard->isHidden());
        QCOMPARE(m_programEnds, 0);
        QVERIFY(ProcessState::StatusText.isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void startNewGameHidesTheWelcomeAndExitBringsItBack()
    {
        auto w = openOn(record(QStringLiteral("1.00"), QString(), QString(), QString()));
        ScriptedDialogs dialogs;
        RecordingMci mci;
        GameFiles::writeFrame(*m_project, QStringLiteral("Start"), GameFiles::Frame());
        GameFiles::writeVariables(*m_project, {});
        w->show();
        w->Image5_Click();
        Game* game = Game::loaded();
        QVERIFY(game);
        QVERIFY(game->isVisible());
        QVERIFY(w->isHidden());
        game->mnuExit_Click();
        QVERIFY(!Game::loaded());
        QVERIFY(w->isVisible());
        QCOMPARE(m_programEnds, 0);
        QVERIFY(dialogs.shown().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(tst_Welcome)
#include "tst_Welcome.moc"
