#pragma once

#include "player/records/ActionRecord.h"
#include "player/records/AreaPlacement.h"
#include "player/records/FrameFile.h"
#include "player/records/LinksFile.h"
#include "player/records/ObjectFile.h"
#include "player/records/PickableRecord.h"
#include "player/records/RecordSync.h"
#include "player/records/VariablesFile.h"

#include <QString>

// A record as reading its file gave it: the fields read before a failure,
// the later ones as a new record holds them, and how far reading got.
template <typename Record>
struct LoadedRecord {
    Record record;
    RecordRead read;
};

// Where a game session gets the records of its project's files. Names come
// as the game holds them (frame, area number, object) and are checked where
// the files are found: a name that is not one plain name gives a file that
// cannot be opened.
class GameRecords {
public:
    virtual ~GameRecords() = default;

    virtual LoadedRecord<FrameFile> frame(const QString& frame) = 0;
    virtual LoadedRecord<LinksFile> links(const QString& frame) = 0;
    // An area file for its placement, and for the visibility decision
    // (AreaCondition: only the condition, the values before it passed over).
    virtual LoadedRecord<AreaPlacement> placement(const QString& frame, int n) = 0;
    virtual LoadedRecord<AreaPlacement> condition(const QString& frame, int n) = 0;
    // The action of a click on area `n`, and the event of `object` dropped on it.
    virtual LoadedRecord<ActionRecord> action(const QString& frame, int n) = 0;
    virtual LoadedRecord<ActionRecord> event(const QString& frame, int n, const QString& object) = 0;
    virtual LoadedRecord<PickableRecord> pickable(const QString& frame, int n) = 0;
    virtual LoadedRecord<ObjectFile> object(const QString& object) = 0;
    virtual LoadedRecord<VariablesFile> variables() = 0;
};
