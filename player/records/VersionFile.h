#pragma once

#include <QString>

class RecordSync;

// Config/Version: the version of the editor that made the project, such as
// "Version 2.01".
struct VersionFile {
    QString Version;

    void sync(RecordSync& s);
};
