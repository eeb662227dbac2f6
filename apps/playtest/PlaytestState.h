#pragma once

#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QString>

#include <optional>

class GameSession;

// What the game looks like between two script steps: the frame on screen and
// the game window's state, or that no game is on screen. Expectations are
// checked against it and the log records it after every step.
struct PlaytestState {
    struct Icon {
        QString name;
        double left = 0;  // pixels inside the picture area
        double top = 0;
    };
    struct Area {
        int n = 0;
        QRectF twips;  // inside the picture area
        bool visible = false;
    };

    bool gameShown = false;
    QString frame;         // empty when no game is shown
    bool welcome = false;  // the welcome window is shown
    QList<QPair<QString, int>> variables;
    QList<QPair<QString, int>> disappeared;
    QList<Icon> inventory;
    QList<Area> areas;

    // Reads the player's windows as they are now.
    static PlaytestState capture();
    // A game on screen as its session holds it, the areas where the session
    // placed them.
    static PlaytestState ofSession(const GameSession& session);

    // The value GetVariableValue gives: the first variable of that name
    // (names compared exactly), -1 when there is none.
    int variable(const QString& name) const;
    // Area n of the frame on screen, or nothing when the frame has no such area.
    std::optional<Area> area(int n) const;
    QStringList inventoryNames() const;

    // The "state" fields of the log, without "event", "step" and "command".
    QJsonObject toJson() const;
};
