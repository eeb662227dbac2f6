#pragma once

#include <QStringList>

class RecordSync;

// Config/Variables: the number of declared variables, then their names in
// the order of the editor's list. Values are not stored: every game starts
// with all of them at 0.
struct VariablesFile {
    QStringList Names;

    // The player's reading: exactly as many names as the count says.
    void sync(RecordSync& s);

    // The editor's reading: the count line, whatever it holds, then every
    // name up to the end of the file. False when the file cannot be opened or
    // a value read; the names before stay.
    bool loadToEnd(const QString& path);
};
