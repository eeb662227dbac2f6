#include "player/state/CachedGameRecords.h"

size_t qHash(const CachedGameRecords::Key& key, size_t seed) noexcept
{
    return qHashMulti(seed, key.name, key.n, key.object);
}

template <typename Record, typename Read>
LoadedRecord<Record> CachedGameRecords::kept(Cache<Record>& cache, const Key& key, Read read)
{
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();
    return cache.insert(key, read()).value();
}

LoadedRecord<FrameFile> CachedGameRecords::frame(const QString& frame)
{
    return kept(m_frames, Key(frame), [&] { return m_source.frame(frame); });
}

LoadedRecord<LinksFile> CachedGameRecords::links(const QString& frame)
{
    return kept(m_links, Key(frame), [&] { return m_source.links(frame); });
}

LoadedRecord<AreaPlacement> CachedGameRecords::placement(const QString& frame, int n)
{
    return kept(m_placements, Key(frame, n), [&] { return m_source.placement(frame, n); });
}

LoadedRecord<AreaPlacement> CachedGameRecords::condition(const QString& frame, int n)
{
    return kept(m_conditions, Key(frame, n), [&] { return m_source.condition(frame, n); });
}

LoadedRecord<ActionRecord> CachedGameRecords::action(const QString& frame, int n)
{
    return kept(m_actions, Key(frame, n), [&] { return m_source.action(frame, n); });
}

LoadedRecord<ActionRecord> CachedGameRecords::event(const QString& frame, int n, const QString& object)
{
    return kept(m_events, Key(frame, n, object), [&] { return m_source.event(frame, n, object); });
}

LoadedRecord<PickableRecord> CachedGameRecords::pickable(const QString& frame, int n)
{
    return kept(m_pickables, Key(frame, n), [&] { return m_source.pickable(frame, n); });
}

LoadedRecord<ObjectFile> CachedGameRecords::object(const QString& object)
{
    return kept(m_objects, Key(object), [&] { return m_source.object(object); });
}

LoadedRecord<VariablesFile> CachedGameRecords::variables()
{
    return kept(m_variables, Key(), [&] { return m_source.variables(); });
}

void CachedGameRecords::clear()
{
    m_frames.clear();
    m_links.clear();
    m_placements.clear();
    m_conditions.clear();
    m_actions.clear();
    m_events.clear();
    m_pickables.clear();
    m_objects.clear();
    m_variables.clear();
}
