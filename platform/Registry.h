#pragma once

#include <QString>

#include <optional>

// The per-user settings store that stands in for the Windows registry: key
// paths as Windows writes them ("Software\\Jordan Russell\\Inno Setup"),
// kept in an INI file in the user's configuration folder. Programs that read
// our settings on Linux read that file.
namespace Registry {

enum class Root { ClassesRoot, CurrentUser, LocalMachine, Users };

// The per-user settings key of the installer compiler; its value
// "ScriptFile" names the script the compiler opens.
inline const QString InstallerCompilerSettings = QStringLiteral("Software\\Quendara\\Inno Setup\\Settings");

// Creates or opens `subKey` under `root` and sets `valueName` (empty: the
// key's default value) to `data` as a string. False when the store cannot be
// written.
bool WriteRegistryString(Root root, const QString& subKey, const QString& valueName, const QString& data);

// The string stored under that name, or nothing.
std::optional<QString> readString(Root root, const QString& subKey, const QString& valueName);

// The INI file in use; `setFile` points the store elsewhere (tests), an empty
// path restores the default "<configuration folder>/Quendara/registry.ini".
QString file();
void setFile(const QString& path);

}  // namespace Registry
