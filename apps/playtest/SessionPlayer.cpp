#include "apps/playtest/SessionPlayer.h"

#include "apps/playtest/PlaytestExpectation.h"
#include "player/GameGeometry.h"
#include "player/ProjectPaths.h"
#include "player/Twips.h"
#include "player/records/ProjectRecord.h"

SessionPlayer::SessionPlayer(GameRecords& records)
    : m_records(records)
    , m_session(records, m_view)
{
}

bool SessionPlayer::gameShown(std::optional<QString>& failure) const
{
    if (m_gameShown)
        return true;
    failure = QStringLiteral("no game on screen (start one with 'new' or 'load NAME')");
    return false;
}

bool SessionPlayer::welcomeShown(std::optional<QString>& failure) const
{
    if (!m_gameShown)
        return true;
    failure = QStringLiteral("the welcome window is not shown (a game is being played)");
    return false;
}

bool SessionPlayer::areaShown(int n, std::optional<QString>& failure) const
{
    const QList<GameSession::Area>& areas = m_session.areas();
    const QString frame = m_session.frame().Name;
    if (n < 1 || n > areas.size()) {
        failure = QStringLiteral("frame '%1' has no area %2 (it has %3)").arg(frame).arg(n).arg(areas.size());
        return false;
    }
    if (!areas[n - 1].visible) {
        failure = QStringLiteral("area %1 of frame '%2' is not visible").arg(n).arg(frame);
        return false;
    }
    return true;
}

void SessionPlayer::startGame()
{
    m_menusShown = false;
    // Every game is a session of its own, as every game has a window of its own.
    m_session = GameSession(m_records, m_view);
    m_session.resetAll();
    // The game window refuses a picture area it cannot size.
    const ProjectRecord& record = ProjectRecord::current();
    if (!GameGeometry::pictureArea(QSize(), record.ScreenWidth, record.ScreenHeight)) {
        m_view.windowMessage(QStringLiteral("Unable to start the game: its picture size (%1 x %2) must be between 1 and %3 "
                                      "pixels each way.")
                           .arg(record.ScreenWidth)
                           .arg(record.ScreenHeight)
                           .arg(GameGeometry::kMaxSide));
        m_session.stop();
    }
}

void SessionPlayer::leaveGame()
{
    m_session.stop();
    m_view.closeSoundtrack();
    m_view.closeSound();
    m_gameShown = false;
}

void SessionPlayer::save(const QString& name)
{
    if (!SavedGame::isValidName(name)) {
        m_view.windowMessage(QStringLiteral("Unable to save '") + SavedGame::path(ProjectPaths::ProjectPath, name)
                       + QLatin1Char('\''));
        return;
    }
    // The question is answered with its first button, OK: the game is replaced.
    const QString key = name.toLower();
    if (m_saved.contains(key))
        m_view.windowMessage(QLatin1Char('\'') + name
                                + QStringLiteral("' already exists. Are you sure you want to replace it?"));
    m_saved.insert(key, m_session.toSavedGame());
}

void SessionPlayer::load(const QString& name, std::optional<QString>& failure)
{
    SavedGame saved;
    bool complete = true;
    const QString file = SavedGame::path(ProjectPaths::ProjectPath, name);
    if (const auto found = m_saved.constFind(name.toLower()); found != m_saved.constEnd()) {
        saved = found.value();
    } else if (SavedGame::isValidName(name) && SavedGame::list(ProjectPaths::ProjectPath).contains(name, Qt::CaseInsensitive)) {
        complete = SavedGame::read(file, saved);
    } else {
        failure = QStringLiteral("there is no saved game '%1' to load").arg(name);
        return;
    }
    startGame();
    if (m_session.stopped())
        return;
    m_session.loadVariables();
    m_session.restore(saved);
    if (!complete) {
        m_view.windowMessage(QStringLiteral("Unable to load '") + file + QStringLiteral("'."));
        return;
    }
    m_session.openFrame(saved.frame);
    m_gameShown = !m_session.stopped();
}

std::optional<QString> SessionPlayer::play(const PlaytestCommand& c)
{
    using Kind = PlaytestCommand::Kind;
    std::optional<QString> failure;
    switch (c.kind) {
    case Kind::New:
        if (welcomeShown(failure)) {
            startGame();
            if (!m_session.stopped()) {
                m_session.startNewGame();
                m_gameShown = !m_session.stopped();
            }
        }
        break;
    case Kind::Click:
        if (gameShown(failure) && areaShown(c.area, failure)) {
            m_menusShown = false;
            m_session.click(qint16(c.area));
        }
        break;
    case Kind::Drag:
        if (!gameShown(failure))
            break;
        if (c.icon < 1 || c.icon > m_session.objectsCount()) {
            failure = QStringLiteral("the inventory has no icon %1 (it holds %2 object(s))")
                          .arg(c.icon)
                          .arg(m_session.objectsCount());
            break;
        }
        if (areaShown(c.area, failure)) {
            m_menusShown = false;
            m_session.startDrag(qint16(c.icon));
            m_session.drop(qint16(c.area));
        }
        break;
    case Kind::KeyEscape:
        if (gameShown(failure))
            m_menusShown = true;
        break;
    case Kind::MenuExit:
    case Kind::Save:
        if (!gameShown(failure))
            break;
        if (!m_menusShown) {
            failure = QStringLiteral("the game's menu is hidden: a player shows it with Escape ('key escape')");
            break;
        }
        if (c.kind == Kind::MenuExit)
            leaveGame();
        else
            save(c.name);
        break;
    case Kind::Load:
        if (welcomeShown(failure))
            load(c.name, failure);
        break;
    case Kind::Wait:
        if (m_gameShown)
            m_view.letTimePass(m_session, c.milliseconds);
        break;
    case Kind::Answer:
    case Kind::Screenshot:
        break;
    default:  // the expectations
        return PlaytestExpectation::check(c, state(), m_view.lastMessage());
    }
    // An action that stopped the game brings the welcome window back.
    if (m_gameShown && m_session.stopped())
        leaveGame();
    return failure;
}

PlaytestState SessionPlayer::state() const
{
    if (!m_gameShown) {
        PlaytestState state;
        state.welcome = true;
        return state;
    }
    return PlaytestState::ofSession(m_session);
}
