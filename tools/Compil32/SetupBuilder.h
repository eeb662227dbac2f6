#pragma once

#include <QString>

#include <functional>

struct InnoScript;

// Turns an installer script into one self-installing program for this
// system, packed by makeself: "sh Setup.exe [folder]" installs the game into
// the folder (by default ~/Games/<AppName>), adds it to the desktop's
// application menu with its icon, and leaves an uninstaller beside it that
// removes only what the installer made.
class SetupBuilder {
public:
    using Log = std::function<void(const QString&)>;

    explicit SetupBuilder(Log log = {}) : m_log(log ? std::move(log) : [](const QString&) {}) {}

    // Builds the installer of `script` as the file `installer`. False with
    // the reason in `error` when no installer was made; an older file of
    // that name is then left as it was.
    bool build(const InnoScript& script, const QString& installer, QString* error = nullptr);

private:
    Log m_log;
};
