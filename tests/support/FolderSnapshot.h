#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Every entry under `root`, hidden ones included, by its path relative to
// `root` as spelled on disk: a file with its bytes, a folder marked
// "<folder>". Two snapshots are equal when nothing under `root` was
// written, made, removed or renamed in between.
QMap<QString, QByteArray> folderSnapshot(const QString& root);
