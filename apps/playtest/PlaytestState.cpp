#include "apps/playtest/PlaytestState.h"

#include "player/GameGeometry.h"
#include "player/state/GameSession.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/Twips.h"
#include "player/records/ProjectRecord.h"
#include "player/windows/frmWelcome.h"

#include <QJsonArray>

PlaytestState PlaytestState::capture()
{
    PlaytestState state;
    const frmWelcome* welcome = frmWelcome::loaded();
    state.welcome = welcome && welcome->isVisible();

    const Game* game = Game::loaded();
    if (!game || !game->isVisible())
        return state;
    const GameSession& session = game->session();
    const bool welcomeShown = state.welcome;
    state = ofSession(session);
    state.welcome = welcomeShown;
    // Where an area lies on screen is the window's: an unstretched area
    // takes the size of its picture. Only areas with a control are shown.
    const auto& controls = game->areas();
    state.areas.removeIf([&controls](const Area& area) { return area.n >= int(controls.size()); });
    for (Area& area : state.areas)
        area.twips = controls[size_t(area.n)]->twipsGeometry();
    return state;
}

PlaytestState PlaytestState::ofSession(const GameSession& session)
{
    PlaytestState state;
    state.gameShown = true;
    state.frame = session.frame().Name;
    for (const ClassVariable& variable : session.variables())
        state.variables.append({variable.Name, variable.Value});
    for (const ClassVariable& entry : session.disappeared())
        state.disappeared.append({entry.Name, entry.Value});
    const QStringList& names = session.inventory();
    for (qsizetype k = 1; k <= names.size(); ++k) {
        const QRect cell = GameGeometry::inventoryCell(int(k), ProjectRecord::current().ScreenWidth);
        state.inventory.append({names[k - 1], double(cell.left()) / Twips::kPerPixel, double(cell.top()) / Twips::kPerPixel});
    }
    const QList<GameSession::Area>& areas = session.areas();
    for (qsizetype n = 1; n <= areas.size(); ++n)
        state.areas.append({int(n), areas[n - 1].twips, areas[n - 1].visible});
    return state;
}

int PlaytestState::variable(const QString& name) const
{
    for (const auto& [n, value] : variables) {
        if (n == name)
            return value;
    }
    return -1;
}

std::optional<PlaytestState::Area> PlaytestState::area(int n) const
{
    for (const Area& a : areas) {
        if (a.n == n)
            return a;
    }
    return std::nullopt;
}

QStringList PlaytestState::inventoryNames() const
{
    QStringList names;
    for (const Icon& icon : inventory)
        names.append(icon.name);
    return names;
}

QJsonObject PlaytestState::toJson() const
{
    QJsonObject json;
    json.insert(QStringLiteral("frame"), gameShown ? QJsonValue(frame) : QJsonValue(QJsonValue::Null));
    json.insert(QStringLiteral("welcome"), welcome);
    QJsonArray vars;
    for (const auto& [name, value] : variables)
        vars.append(QJsonArray{name, value});
    json.insert(QStringLiteral("variables"), vars);
    QJsonArray gone;
    for (const auto& [frameName, n] : disappeared)
        gone.append(QJsonArray{frameName, n});
    json.insert(QStringLiteral("disappeared"), gone);
    QJsonArray icons;
    for (const Icon& icon : inventory) {
        icons.append(QJsonObject{{QStringLiteral("name"), icon.name},
                                 {QStringLiteral("left"), icon.left},
                                 {QStringLiteral("top"), icon.top}});
    }
    json.insert(QStringLiteral("inventory"), icons);
    QJsonArray places;
    for (const Area& a : areas) {
        places.append(QJsonObject{{QStringLiteral("n"), a.n},
                                  {QStringLiteral("left"), a.twips.left()},
                                  {QStringLiteral("top"), a.twips.top()},
                                  {QStringLiteral("width"), a.twips.width()},
                                  {QStringLiteral("height"), a.twips.height()},
                                  {QStringLiteral("visible"), a.visible}});
    }
    json.insert(QStringLiteral("areas"), places);
    return json;
}
