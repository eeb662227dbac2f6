#include "apps/playtest/PlaytestState.h"

#include "player/FrameRecord.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/Twips.h"
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
    state.gameShown = true;
    state.frame = FrameRecord::current().Name;
    for (const auto& variable : game->Variables)
        state.variables.append({variable->Name, variable->Value});
    for (const auto& entry : game->Disappear)
        state.disappeared.append({entry->Name, entry->Value});
    const auto& icons = game->pickedObjects();
    for (int k = 1; k <= game->ObjectsCount && k < int(icons.size()); ++k) {
        const QRectF cell = icons[size_t(k)]->twipsGeometry();
        state.inventory.append({icons[size_t(k)]->tag(), cell.left() / Twips::kPerPixel, cell.top() / Twips::kPerPixel});
    }
    const auto& areas = game->areas();
    for (size_t n = 1; n < areas.size(); ++n)
        state.areas.append({int(n), areas[n]->twipsGeometry(), !areas[n]->isHidden()});
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
