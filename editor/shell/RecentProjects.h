#pragma once

#include <QStringList>

// The projects loaded last, newest first, kept in the per-user settings
// store so that the first panel can offer them again.
namespace RecentProjects {

constexpr int kKept = 8;

QStringList list();
// Puts `folder` first; the oldest beyond the kept number drops out.
void add(const QString& folder);
void remove(const QString& folder);

}  // namespace RecentProjects
