#pragma once

// While it lives, changes to the project's files are not recorded by the
// active journal: they are not the author's edits (the distribution copying
// the player into the project) and cannot be undone. Nothing when no journal
// is active.
class JournalPause {
public:
    JournalPause();
    ~JournalPause();
    JournalPause(const JournalPause&) = delete;
    JournalPause& operator=(const JournalPause&) = delete;

private:
    bool m_paused = false;
};
