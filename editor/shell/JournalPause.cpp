#include "editor/shell/JournalPause.h"

#include "editor/shell/ProjectJournal.h"

JournalPause::JournalPause()
{
    if (ProjectJournal* journal = ProjectJournal::active()) {
        journal->pause();
        m_paused = true;
    }
}

JournalPause::~JournalPause()
{
    if (m_paused && ProjectJournal::active())
        ProjectJournal::active()->resume();
}
