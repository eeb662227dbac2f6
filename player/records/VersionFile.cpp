#include "player/records/VersionFile.h"

#include "player/records/RecordSync.h"

void VersionFile::sync(RecordSync& s) { s.string(Version); }
