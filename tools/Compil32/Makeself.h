#pragma once

#include <QString>

// The makeself program (Debian package "makeself"), which packs a folder
// into one self-extracting shell program: a compressed payload with a
// checksum that is verified before unpacking, and the options --help,
// --check, --list and --target of every makeself archive.
namespace Makeself {

// The program's path, or empty when it is not installed.
QString program();

// Packs `folder` into `archive`, whose unpacking runs `startup` (a path
// inside the folder) with the arguments the player gives. False with
// makeself's own words in `error`.
bool pack(const QString& folder, const QString& archive, const QString& label, const QString& startup, QString* error);

}  // namespace Makeself
