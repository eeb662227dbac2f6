#pragma once

#include "player/state/GameRecords.h"

#include <QHash>

// Records read once from another source and kept: for whatever plays a game
// many times over without the files changing (benchmarks, a game checker).
// Everything a file gave is kept, also a file that could not be opened.
class CachedGameRecords final : public GameRecords {
public:
    explicit CachedGameRecords(GameRecords& source) : m_source(source) {}

    LoadedRecord<FrameFile> frame(const QString& f) override { return kept(m_frames, Key(f), [&] { return m_source.frame(f); }); }
    LoadedRecord<LinksFile> links(const QString& f) override { return kept(m_links, Key(f), [&] { return m_source.links(f); }); }
    LoadedRecord<AreaPlacement> placement(const QString& f, int n) override
    {
        return kept(m_placements, Key(f, n), [&] { return m_source.placement(f, n); });
    }
    LoadedRecord<AreaPlacement> condition(const QString& f, int n) override
    {
        return kept(m_conditions, Key(f, n), [&] { return m_source.condition(f, n); });
    }
    LoadedRecord<ActionRecord> action(const QString& f, int n) override
    {
        return kept(m_actions, Key(f, n), [&] { return m_source.action(f, n); });
    }
    LoadedRecord<ActionRecord> event(const QString& f, int n, const QString& o) override
    {
        return kept(m_events, Key(f, n, o), [&] { return m_source.event(f, n, o); });
    }
    LoadedRecord<PickableRecord> pickable(const QString& f, int n) override
    {
        return kept(m_pickables, Key(f, n), [&] { return m_source.pickable(f, n); });
    }
    LoadedRecord<ObjectFile> object(const QString& o) override { return kept(m_objects, Key(o), [&] { return m_source.object(o); }); }
    LoadedRecord<VariablesFile> variables() override { return kept(m_variables, Key(), [&] { return m_source.variables(); }); }

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
    static LoadedRecord<Record> kept(Cache<Record>& cache, const Key& key, Read read)
    {
        const auto found = cache.constFind(key);
        if (found != cache.constEnd())
            return found.value();
        return cache.insert(key, read()).value();
    }

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
