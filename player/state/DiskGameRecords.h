#pragma once

#include "player/state/GameRecords.h"

// The project's files as they are on disk now: every request reads its file
// again, as the player does at every frame it opens, so that a game made in
// the editor plays its latest files.
class DiskGameRecords final : public GameRecords {
public:
    LoadedRecord<FrameFile> frame(const QString& frame) override;
    LoadedRecord<LinksFile> links(const QString& frame) override;
    LoadedRecord<AreaPlacement> placement(const QString& frame, int n) override;
    LoadedRecord<AreaPlacement> condition(const QString& frame, int n) override;
    LoadedRecord<ActionRecord> action(const QString& frame, int n) override;
    LoadedRecord<ActionRecord> event(const QString& frame, int n, const QString& object) override;
    LoadedRecord<PickableRecord> pickable(const QString& frame, int n) override;
    LoadedRecord<ObjectFile> object(const QString& object) override;
    LoadedRecord<VariablesFile> variables() override;

    // The process-wide instance the game window plays from.
    static DiskGameRecords& instance();
};
