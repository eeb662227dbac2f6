#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Services the editor's windows share: starting an outside program and
// waiting for it, look-ups in list controls, the project's check value.
namespace Editor2 {

// Starts the command line and waits for the program to end while the
// editor's windows stay responsive. Nothing (with the reason in `error`)
// when the program cannot be started; its exit code otherwise.
std::optional<int> RunAndWait(const QString& commandLine, QString* error = nullptr);

// The index of the first line of a combo box or list (its item texts) equal
// to `text` (exactly, with case), or -1.
qint16 FindInCombo(const QStringList& items, const QString& text);
qint16 FindInList(const QStringList& items, const QString& text);
// The same over the items of a list view, numbered from 1.
qint16 FindInListView(const QStringList& items, const QString& text);

// Writes Project.dat with the check value of the project's name; tells the
// author when it cannot, since the project may then count as write-protected.
bool SaveProjectChecksum();

}  // namespace Editor2
