#include "player/state/CachedGameRecords.h"

size_t qHash(const CachedGameRecords::Key& key, size_t seed) noexcept
{
    return qHashMulti(seed, key.name, key.n, key.object);
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
