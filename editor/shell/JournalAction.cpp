#include "editor/shell/JournalAction.h"

#include "editor/shell/ProjectJournal.h"

JournalAction::JournalAction(const QString& text)
{
    if (ProjectJournal* journal = ProjectJournal::active()) {
        journal->beginAction(text);
        m_open = true;
    }
}

JournalAction::~JournalAction()
{
    if (m_open && ProjectJournal::active())
        ProjectJournal::active()->endAction();
}
