#pragma once

#include <QString>

// One author action in the active project journal, from construction to
// destruction; nothing when no journal is active.
class JournalAction {
public:
    explicit JournalAction(const QString& text);
    ~JournalAction();
    JournalAction(const JournalAction&) = delete;
    JournalAction& operator=(const JournalAction&) = delete;

private:
    bool m_open = false;
};
