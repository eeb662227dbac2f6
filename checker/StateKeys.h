#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

class GameSession;

// The compact key of a game's state: everything in a session that decides
// what can happen next (the frame, the variables, the disappeared areas, the
// inventory in order, which areas are shown, the duration timer) and nothing
// that does not (messages, sounds, the order in which areas disappeared).
// Frame and object names are numbered as they first come.
class StateKeys {
public:
    QByteArray of(const GameSession& session);

    // The number of a frame or object name, and the names by number.
    quint16 frameNumber(const QString& frame) { return number(m_frames, m_frameNames, frame); }
    quint16 objectNumber(const QString& object) { return number(m_objects, m_objectNames, object); }
    const QStringList& frameNames() const { return m_frameNames; }
    const QStringList& objectNames() const { return m_objectNames; }

private:
    static quint16 number(QHash<QString, quint16>& numbers, QStringList& names, const QString& name);

    QHash<QString, quint16> m_frames;
    QStringList m_frameNames;
    QHash<QString, quint16> m_objects;
    QStringList m_objectNames;
};
