#pragma once

#include <QByteArray>
#include <QString>

// The one way the programs write a file: the name is resolved without regard
// to case (so a file that exists as "GENERAL" is replaced, not duplicated as
// "General"), and the old file stays whole until the new one is complete. A
// file that already holds the bytes, and could be replaced, is not rewritten.
namespace AtomicFile {

bool write(const QString& path, const QByteArray& data, QString* error = nullptr);

}  // namespace AtomicFile
