#include "apps/playtest/PlaytestRunner.h"

#include "apps/playtest/PlaytestExpectation.h"
#include "apps/playtest/PlaytestLog.h"
#include "apps/playtest/PlaytestMedia.h"
#include "apps/playtest/PlaytestState.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/ProjectPaths.h"
#include "player/windows/frmLoadGame.h"
#include "player/windows/frmSaveGame.h"
#include "player/windows/frmWelcome.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QTextStream>
#include <QTimer>

namespace {

bool answerFits(int answer, Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::OK:
        return answer == Dialogs::OK;
    case Dialogs::Buttons::OKCancel:
        return answer == Dialogs::OK || answer == Dialogs::Cancel;
    case Dialogs::Buttons::YesNo:
        return answer == Dialogs::Yes || answer == Dialogs::No;
    case Dialogs::Buttons::YesNoCancel:
        return answer == Dialogs::Yes || answer == Dialogs::No || answer == Dialogs::Cancel;
    }
    return false;
}

}  // namespace

PlaytestRunner::PlaytestRunner(const PlaytestOptions& options, const QList<PlaytestCommand>& commands, PlaytestLog& log,
                               QTextStream& errors)
    : m_options(options)
    , m_commands(commands)
    , m_log(log)
    , m_errors(errors)
{
}

PlaytestRunner::~PlaytestRunner() = default;

int PlaytestRunner::run()
{
    ProjectPaths::clear();
    ProjectPaths::setProjectPath(QDir(m_options.project).absolutePath());

    ScriptedDialogs dialogs;
    dialogs.setUnqueued(ScriptedDialogs::Unqueued::FirstButton);
    dialogs.setObserver([this](const ScriptedDialogs::Shown& shown) { onDialog(shown); });
    m_dialogs = &dialogs;
    PlaytestMedia media(m_options.noSound, [this](const QString& command, int result, const QString& reply) {
        m_log.mci(command, result, reply);
    });


    m_running = true;
    m_welcome = new frmWelcome(m_options.project);
    // The script plays the player's coordinator: it opens the load-game
    // window itself, and closing the welcome window, which ends the player,
    // here ends the game's part of the run; the script goes on to report
    // what it expected.
    connect(m_welcome, &frmWelcome::loadGameRequested, this, [this] { loadGame(); });
    connect(m_welcome, &frmWelcome::programEndRequested, this, [this] { m_programEnded = true; });
    connect(m_welcome, &frmWelcome::gameStarting, this, [this] { watchGame(false); });
    m_welcome->Form_Load();
    m_welcome->show();

    letEventsRun(0);
    for (m_step = 0; m_step < m_commands.size(); ++m_step) {
        if (!playStep(m_commands[m_step])) {
            m_exitCode = 1;
            break;
        }
    }

    if (m_exitCode == 0 && dialogs.pendingAnswers() > 0) {
        // An answer nobody used means a message box the script counted on
        // never came; left in the queue it would answer the wrong box later.
        m_errors << QStringLiteral("playtest: after the last step: %1 answer(s) queued by the script were never used "
                                   "by a message box\n")
                        .arg(dialogs.pendingAnswers());
        m_exitCode = 1;
    }
    cleanUp();
    m_dialogs = nullptr;
    return m_exitCode;
}

void PlaytestRunner::cleanUp()
{
    m_running = false;
    if (Game* game = Game::loaded())
        game->unload();
    if (m_welcome) {
        m_welcome->disconnect(this);
        m_welcome->unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool PlaytestRunner::playStep(const PlaytestCommand& c)
{
    m_failure.reset();
    watchGame(false);
    perform(c);
    // The step ends once the events it caused have run; a wait lets its
    // time pass with the game running, so the game's timers fire.
    letEventsRun(c.kind == PlaytestCommand::Kind::Wait ? c.milliseconds : 0);
    watchGame(false);
    const PlaytestState state = PlaytestState::capture();
    m_log.state(m_step + 1, c.text, state);
    if (!m_failure && c.isExpectation())
        m_failure = PlaytestExpectation::check(c, state, m_lastMessage);
    if (!m_failure)
        return true;
    m_errors << QStringLiteral("playtest: step %1 (line %2: %3) failed: %4\n").arg(m_step + 1).arg(c.line).arg(c.text, *m_failure);
    return false;
}

void PlaytestRunner::letEventsRun(qint64 milliseconds)
{
    // The loop returns only when control comes back to this level: when the
    // time is up while the game waits in a loop of its own (a video playing,
    // a waited sound), the step ends after that wait, as a player could not
    // act before it either.
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(milliseconds), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void PlaytestRunner::fail(const QString& why)
{
    if (!m_failure)
        m_failure = why;
}

void PlaytestRunner::onDialog(const ScriptedDialogs::Shown& shown)
{
    if (!m_running || shown.kind != ScriptedDialogs::Shown::Kind::Message)
        return;
    m_log.message(shown);
    m_lastMessage = shown.text;
    // A queued answer that is not one of the box's buttons would reach the
    // game as neither of them.
    if (!answerFits(shown.answer, shown.buttons)) {
        fail(QStringLiteral("the answer %1 was given to a message box with the buttons %2: %3")
                 .arg(PlaytestLog::answerName(shown.answer), PlaytestLog::buttonsName(shown.buttons),
                      PlaytestExpectation::quoted(shown.text)));
    }
}

void PlaytestRunner::watchGame(bool create)
{
    Game* game = create ? &Game::load() : Game::loaded();
    if (!game || game == m_watched)
        return;
    m_watched = game;
    connect(game, &Game::frameOpened, this, [this](const QString& name) { m_log.frame(name); });
    // The player shows nothing for a background it cannot read; the log
    // tells the author which file it was.
    connect(game, &Game::backgroundUnreadable, this, [this](const QString& name) {
        m_log.warning(QStringLiteral("the frame's background picture cannot be shown"), name);
    });
    // The script plays the player's coordinator for the game window: "Save
    // game" runs the script's save, and an inventory icon is dragged by the
    // script, not by the mouse, so a drag request starts nothing.
    connect(game, &Game::saveGameRequested, this, [this] { saveGame(); });
}

Game* PlaytestRunner::gameOnScreen()
{
    Game* game = Game::loaded();
    if (game && game->isVisible())
        return game;
    if (m_programEnded)
        fail(QStringLiteral("no game on screen: the player has ended (its welcome window was closed)"));
    else
        fail(QStringLiteral("no game on screen (start one with 'new' or 'load NAME')"));
    return nullptr;
}

frmWelcome* PlaytestRunner::welcomeOnScreen()
{
    if (m_welcome && m_welcome->isVisible())
        return m_welcome;
    if (m_programEnded || !m_welcome)
        fail(QStringLiteral("the player has ended: its welcome window was closed"));
    else
        fail(QStringLiteral("the welcome window is not shown (a game is being played)"));
    return nullptr;
}

bool PlaytestRunner::checkArea(Game& game, int n)
{
    const auto& areas = game.areas();
    const QString frame = game.session().frame().Name;
    if (n >= int(areas.size())) {
        fail(QStringLiteral("frame '%1' has no area %2 (it has %3)").arg(frame).arg(n).arg(areas.size() - 1));
        return false;
    }
    if (areas[size_t(n)]->isHidden()) {
        fail(QStringLiteral("area %1 of frame '%2' is not visible").arg(n).arg(frame));
        return false;
    }
    return true;
}

void PlaytestRunner::perform(const PlaytestCommand& c)
{
    using Kind = PlaytestCommand::Kind;
    switch (c.kind) {
    case Kind::New:
        if (frmWelcome* welcome = welcomeOnScreen()) {
            watchGame(true);
            welcome->Image5_Click();
        }
        break;
    case Kind::Click:
        if (Game* game = gameOnScreen(); game && checkArea(*game, c.area))
            game->Area_Click(c.area);
        break;
    case Kind::Drag:
        if (Game* game = gameOnScreen()) {
            const qint16 count = game->session().objectsCount();
            if (c.icon > count || c.icon >= int(game->pickedObjects().size())) {
                fail(QStringLiteral("the inventory has no icon %1 (it holds %2 object(s))").arg(c.icon).arg(count));
                break;
            }
            if (!checkArea(*game, c.area))
                break;
            game->PickedObject_MouseDown(c.icon, Qt::LeftButton);
            game->Area_DragDrop(c.area, game->pickedObjects()[size_t(c.icon)]);
        }
        break;
    case Kind::KeyEscape:
        if (Game* game = gameOnScreen())
            game->PictureBox_KeyDown(27);
        break;
    case Kind::MenuExit:
    case Kind::Save:
        if (Game* game = gameOnScreen()) {
            // The menu bar shows only when the player asks for it.
            if (!game->menusShown()) {
                fail(QStringLiteral("the game's menu is hidden: a player shows it with Escape ('key escape')"));
                break;
            }
            if (c.kind == Kind::MenuExit) {
                game->mnuExit_Click();
            } else {
                m_saveName = c.name;
                game->mnuSaveGame_Click();
                m_saveName.reset();
            }
        }
        break;
    case Kind::Load:
        if (frmWelcome* welcome = welcomeOnScreen()) {
            m_loadName = c.name;
            welcome->Image6_Click();
            m_loadName.reset();
        }
        break;
    case Kind::Answer:
        m_dialogs->queueAnswer(c.answer);
        break;
    case Kind::Screenshot:
        screenshot(c.name);
        break;
    default:
        // A wait lets events run and an expectation is checked after the
        // step, both by the caller.
        break;
    }
}

void PlaytestRunner::saveGame()
{
    QPointer<frmSaveGame> dialog = new frmSaveGame(Game::loaded());
    dialog->LoadSaveGames();
    dialog->show();
    if (m_saveName) {
        dialog->Text1->setText(*m_saveName);
        dialog->Command2_Click();
    }
    // A save that was refused or cancelled leaves the dialog open; the
    // player then closes it with Cancel and the game goes on.
    if (dialog && dialog->isVisible())
        dialog->Command1_Click();
    if (dialog)
        dialog->deleteLater();
}

void PlaytestRunner::loadGame()
{
    QPointer<frmLoadGame> dialog = new frmLoadGame(m_welcome);
    connect(dialog, &frmLoadGame::gameStarting, this, [this] { watchGame(false); });
    dialog->LoadSaveGames();
    dialog->show();
    if (m_loadName) {
        // Saved games are files, whose names do not depend on letter case.
        const QList<QListWidgetItem*> found = dialog->List1->findItems(*m_loadName, Qt::MatchFixedString);
        if (found.isEmpty()) {
            QStringList names;
            for (int i = 0; i < dialog->List1->count(); ++i)
                names.append(dialog->List1->item(i)->text());
            fail(QStringLiteral("there is no saved game '%1' to load (saved games: %2)")
                     .arg(*m_loadName, names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "))));
        } else {
            QListWidgetItem* item = found.first();
            for (QListWidgetItem* candidate : found) {
                if (candidate->text() == *m_loadName)
                    item = candidate;
            }
            dialog->List1->setCurrentItem(item);
            watchGame(true);
            dialog->Command2_Click();
        }
    }
    if (dialog && dialog->isVisible())
        dialog->Command1_Click();
    if (dialog)
        dialog->deleteLater();
}

void PlaytestRunner::screenshot(const QString& name)
{
    if (m_options.screenshots.isEmpty()) {
        fail(QStringLiteral("no --screenshots folder was given"));
        return;
    }
    QWidget* seen = nullptr;
    if (Game* game = Game::loaded(); game && game->isVisible())
        seen = game;
    else if (m_welcome && m_welcome->isVisible())
        seen = m_welcome;
    if (!seen) {
        fail(QStringLiteral("no window is shown to take a screenshot of"));
        return;
    }
    const QString file = QDir(m_options.screenshots).filePath(name + QStringLiteral(".png"));
    if (!seen->grab().save(file, "PNG"))
        fail(QStringLiteral("cannot write the screenshot '%1'").arg(file));
}
