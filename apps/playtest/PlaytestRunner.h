#pragma once

#include "apps/playtest/PlaytestCommand.h"
#include "apps/playtest/PlaytestOptions.h"
#include "platform/ScriptedDialogs.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class Game;
class PlaytestLog;
class QTextStream;
class frmWelcome;

// Plays a game by a script: the welcome window and the game window of the
// player, driven through their own handlers, with message boxes answered
// from the script and every media command reported to the log. Each command
// is one step; after it the events it caused are let run, the state is
// logged and, for an `expect`, checked. The first step that fails ends the run.
// Commands are played from outside any event loop, never from inside one the
// game runs, so a command cannot cut into a frame change or a video.
class PlaytestRunner : public QObject {
    Q_OBJECT

public:
    PlaytestRunner(const PlaytestOptions& options, const QList<PlaytestCommand>& commands, PlaytestLog& log,
                   QTextStream& errors);
    ~PlaytestRunner() override;

    // Plays the whole script; 0 when every step succeeded, 1 when one failed.
    int run();

private:
    // Plays one command, logs the state after it and checks it; false when
    // the step failed.
    bool playStep(const PlaytestCommand& c);
    void letEventsRun(qint64 milliseconds);
    void perform(const PlaytestCommand& c);
    void fail(const QString& why);
    void onDialog(const ScriptedDialogs::Shown& shown);
    void cleanUp();

    // The game window when a game is on screen; otherwise reports why the
    // step cannot be played and gives nullptr.
    Game* gameOnScreen();
    frmWelcome* welcomeOnScreen();
    // Loads the game window ahead of the welcome window's buttons, so that
    // the frame opened by a new or loaded game is seen by the log.
    void watchGame(bool create);
    bool checkArea(Game& game, int n);

    void saveGame();
    void loadGame();
    void screenshot(const QString& name);

    PlaytestOptions m_options;
    QList<PlaytestCommand> m_commands;
    PlaytestLog& m_log;
    QTextStream& m_errors;

    ScriptedDialogs* m_dialogs = nullptr;
    QPointer<frmWelcome> m_welcome;
    QPointer<Game> m_watched;
    int m_step = 0;
    int m_exitCode = 0;
    bool m_programEnded = false;
    bool m_running = false;
    std::optional<QString> m_failure;  // of the step being played
    std::optional<QString> m_lastMessage;
    std::optional<QString> m_saveName;
    std::optional<QString> m_loadName;
};
