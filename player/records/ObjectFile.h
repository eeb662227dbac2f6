#pragma once

#include <QString>

class RecordSync;

// An object file Areas/<object>.obj: the object's inventory icon.
struct ObjectFile {
    QString Icon;  // in Areas/

    void sync(RecordSync& s);
};
