#pragma once

#include "player/state/ClassVariable.h"

#include <QList>
#include <QString>

#include <variant>

// An ordered collection of ClassVariable, addressed by 1-based position in
// insertion order or by an optional key. Names are not keys: two members may
// share a name.
//
// Members are held by value in implicitly shared lists, so a copy costs
// nothing until one side changes: a game's state is copied at every step by
// whatever explores its states.
class VariablesCollection {
public:
    using IndexOrKey = std::variant<qsizetype, QString>;

    // The new member; the reference holds until the collection next changes.
    ClassVariable& Add(const QString& Name, qint16 Value, const QString& sKey = QString());
    // The member at that place, or nullptr when there is none.
    ClassVariable* Item(const IndexOrKey& vntIndexKey);
    const ClassVariable* Item(const IndexOrKey& vntIndexKey) const;
    qint32 Count() const { return qint32(m_members.size()); }
    // Returns false when there is no member at that place.
    bool Remove(const IndexOrKey& vntIndexKey);
    void clear();

    // Iteration in order (the collection's enumerator).
    auto begin() const { return m_members.cbegin(); }
    auto end() const { return m_members.cend(); }

    bool operator==(const VariablesCollection&) const = default;

private:
    qsizetype positionOf(const IndexOrKey& vntIndexKey) const;

    QList<ClassVariable> m_members;
    QList<QString> m_keys;  // parallel to m_members; empty when none
};
