#pragma once

#include "player/state/ClassVariable.h"

#include <QHash>
#include <QString>

#include <memory>
#include <variant>
#include <vector>

// An ordered collection of ClassVariable, addressed by 1-based position in
// insertion order or by an optional key. Names are not keys: two members may
// share a name.
class VariablesCollection {
public:
    using IndexOrKey = std::variant<qsizetype, QString>;

    ClassVariable& Add(const QString& Name, qint16 Value, const QString& sKey = QString());
    // The member at that place, or nullptr when there is none.
    ClassVariable* Item(const IndexOrKey& vntIndexKey);
    const ClassVariable* Item(const IndexOrKey& vntIndexKey) const;
    qint32 Count() const { return qint32(m_members.size()); }
    // Returns false when there is no member at that place.
    bool Remove(const IndexOrKey& vntIndexKey);
    void clear();

    // Iteration in order (the collection's enumerator).
    auto begin() const { return m_members.begin(); }
    auto end() const { return m_members.end(); }

private:
    qsizetype positionOf(const IndexOrKey& vntIndexKey) const;

    std::vector<std::unique_ptr<ClassVariable>> m_members;
    std::vector<QString> m_keys;  // parallel to m_members; empty when none
    QHash<QString, const ClassVariable*> m_byKey;
};
