#pragma once

#include "player/state/GameRecords.h"

#include <QHash>

// Records read once from another source and kept: for whatever plays a game
// many times over without the files changing (benchmarks, a game checker).
// Everything a file gave is kept, also a file that could not be opened.
class CachedGameRecords final : public GameRecords {
public:
    explicit CachedGameRecords(GameRecords& source) : m_source(source) {}

    LoadedRecord<FrameFile> frame(const QString& frame) override;
    LoadedRecord<LinksFile> links(const QString& frame) override;
    LoadedRecord<AreaPlacement> placement(const QString& frame, int n) override;
    LoadedRecord<AreaPlacement> condition(const QString& frame, int n) override;
    LoadedRecord<ActionRecord> action(const QString& frame, int n) override;
    LoadedRecord<ActionRecord> event(const QString& frame, int n, const QString& object) override;
    LoadedRecord<PickableRecord> pickable(const QString& frame, int n) override;
    LoadedRecord<ObjectFile> object(const QString& object) override;
    LoadedRecord<VariablesFile> variables() override;

    // Forgets everything read, so that the next requests read again.
    void clear();

    struct Key {
        explicit Key(const QString& name = {}, int n = 0, const QString& object = {})
            : name(name), n(n), object(object)
        {
        }
        QString name;  // the frame, or the object
        int n;
        QString object;
        bool operator==(const Key&) const = default;
    };

private:
    template <typename Record>
    using Cache = QHash<Key, LoadedRecord<Record>>;

    template <typename Record, typename Read>
    static LoadedRecord<Record> kept(Cache<Record>& cache, const Key& key, Read read);

    GameRecords& m_source;
    Cache<FrameFile> m_frames;
    Cache<LinksFile> m_links;
    Cache<AreaPlacement> m_placements;
    Cache<AreaPlacement> m_conditions;
    Cache<ActionRecord> m_actions;
    Cache<ActionRecord> m_events;
    Cache<PickableRecord> m_pickables;
    Cache<ObjectFile> m_objects;
    Cache<VariablesFile> m_variables;
};

size_t qHash(const CachedGameRecords::Key& key, size_t seed = 0) noexcept;
