#include "player/records/ObjectFile.h"

#include "player/records/RecordSync.h"

void ObjectFile::sync(RecordSync& s) { s.string(Icon); }
