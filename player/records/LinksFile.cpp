#include "player/records/LinksFile.h"

#include "player/records/RecordSync.h"

void LinksFile::sync(RecordSync& s) { s.int16(LinksCount); }
