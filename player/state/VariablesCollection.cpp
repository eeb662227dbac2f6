#include "player/state/VariablesCollection.h"

ClassVariable& VariablesCollection::Add(const QString& Name, qint16 Value, const QString& sKey)
{
    auto variable = std::make_unique<ClassVariable>();
    variable->Name = Name;
    variable->Value = Value;
    ClassVariable& added = *variable;
    // A key already in use is not taken twice; the member is still added.
    const bool keyed = !sKey.isEmpty() && !m_byKey.contains(sKey);
    m_members.push_back(std::move(variable));
    m_keys.push_back(keyed ? sKey : QString());
    if (keyed)
        m_byKey.insert(sKey, &added);
    return added;
}

qsizetype VariablesCollection::positionOf(const IndexOrKey& vntIndexKey) const
{
    if (const auto* position = std::get_if<qsizetype>(&vntIndexKey)) {
        if (*position < 1 || *position > qsizetype(m_members.size()))
            return -1;
        return *position - 1;
    }
    const QString& key = std::get<QString>(vntIndexKey);
    const auto found = m_byKey.constFind(key);
    if (found == m_byKey.constEnd())
        return -1;
    for (size_t i = 0; i < m_members.size(); ++i) {
        if (m_members[i].get() == found.value())
            return qsizetype(i);
    }
    return -1;
}

ClassVariable* VariablesCollection::Item(const IndexOrKey& vntIndexKey)
{
    const qsizetype i = positionOf(vntIndexKey);
    return i < 0 ? nullptr : m_members[size_t(i)].get();
}

const ClassVariable* VariablesCollection::Item(const IndexOrKey& vntIndexKey) const
{
    const qsizetype i = positionOf(vntIndexKey);
    return i < 0 ? nullptr : m_members[size_t(i)].get();
}

bool VariablesCollection::Remove(const IndexOrKey& vntIndexKey)
{
    const qsizetype i = positionOf(vntIndexKey);
    if (i < 0)
        return false;
    if (!m_keys[size_t(i)].isEmpty())
        m_byKey.remove(m_keys[size_t(i)]);
    m_members.erase(m_members.begin() + i);
    m_keys.erase(m_keys.begin() + i);
    return true;
}

void VariablesCollection::clear()
{
    m_members.clear();
    m_keys.clear();
    m_byKey.clear();
}
