#include "player/state/VariablesCollection.h"

ClassVariable& VariablesCollection::Add(const QString& Name, qint16 Value, const QString& sKey)
{
    // A key already in use is not taken twice; the member is still added.
    const bool keyed = !sKey.isEmpty() && !m_keys.contains(sKey);
    m_members.append(ClassVariable{Value, Name});
    m_keys.append(keyed ? sKey : QString());
    return m_members.last();
}

qsizetype VariablesCollection::positionOf(const IndexOrKey& vntIndexKey) const
{
    if (const auto* position = std::get_if<qsizetype>(&vntIndexKey)) {
        if (*position < 1 || *position > m_members.size())
            return -1;
        return *position - 1;
    }
    const QString& key = std::get<QString>(vntIndexKey);
    // The empty string marks members without a key.
    return key.isEmpty() ? -1 : m_keys.indexOf(key);
}

ClassVariable* VariablesCollection::Item(const IndexOrKey& vntIndexKey)
{
    const qsizetype i = positionOf(vntIndexKey);
    return i < 0 ? nullptr : &m_members[i];
}

const ClassVariable* VariablesCollection::Item(const IndexOrKey& vntIndexKey) const
{
    const qsizetype i = positionOf(vntIndexKey);
    return i < 0 ? nullptr : &m_members.at(i);
}

bool VariablesCollection::Remove(const IndexOrKey& vntIndexKey)
{
    const qsizetype i = positionOf(vntIndexKey);
    if (i < 0)
        return false;
    m_members.removeAt(i);
    m_keys.removeAt(i);
    return true;
}

void VariablesCollection::clear()
{
    m_members.clear();
    m_keys.clear();
}
