#pragma once

#include <QString>

// A project file's path as reports show it: relative to the project folder,
// in the letter case the file has on disk when it exists, with '/'.
namespace RelativePath {
QString of(const QString& path);
}
