#pragma once

#include <QString>
#include <QStringList>

#include <functional>

struct InnoScript;

// Lays out the game an installer script describes in a folder, as it will
// be installed: the folders of [Dirs] and the files of [Files] whose
// destination is inside the game ({app}). Destinations elsewhere (the shared
// Windows system files) have no place on this system and are left out.
class GameLayout {
public:
    using Log = std::function<void(const QString&)>;

    explicit GameLayout(Log log) : m_log(std::move(log)) {}

    // Copies into `folder` (which exists). False with the reason in `error`
    // when the script's source folder does not exist or a file cannot be
    // copied.
    bool stage(const InnoScript& script, const QString& folder, QString* error);

    // The game's program, relative to the game folder, from the script's
    // first [Icons] entry; empty when it names none inside the game.
    static QString program(const InnoScript& script);

private:
    Log m_log;
};
