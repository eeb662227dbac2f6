#include "player/records/VariablesFile.h"

#include "player/records/RecordReader.h"
#include "player/records/RecordSync.h"

void VariablesFile::sync(RecordSync& s) { s.stringList(Names); }

bool VariablesFile::loadToEnd(const QString& path)
{
    Names.clear();
    RecordReader in;
    RecordValue count;
    if (!in.open(path) || !in.readValue(count))
        return false;
    while (!in.atEnd()) {
        QString name;
        if (!in.readString(name))
            return false;
        Names << name;
    }
    return true;
}
