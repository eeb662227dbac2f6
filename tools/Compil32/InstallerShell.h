#pragma once

#include <QByteArray>
#include <QString>

// The shell programs inside an installer. makeself unpacks the installer
// into a temporary folder and runs the install program there, which copies
// the game into the player's folder, keeps a list of every file and folder
// it made (Uninstall.list), adds the game to the desktop's application menu
// and leaves the uninstaller beside the game. The uninstaller removes what
// the list names and nothing else: folders that hold anything more stay.
namespace InstallerShell {

// The folder of the payload that holds these programs, the game ("game/")
// and the menu icon ("icon.png").
inline constexpr char kSetupFolder[] = ".quendara-setup";

// The install program of the game `appName` whose program is `program`
// (relative to the game folder; empty: no menu entry).
QByteArray installProgram(const QString& appName, const QString& program);

QByteArray uninstallProgram(const QString& appName);

// The menu entry's file name (without ".desktop") and icon name of a game.
QString menuId(const QString& appName);

// `text` as one single-quoted shell word.
QByteArray shellWord(const QString& text);

}  // namespace InstallerShell
