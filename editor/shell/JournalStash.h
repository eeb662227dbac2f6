#pragma once

#include <QString>

// Where a project journal keeps the files its actions removed, so that undo
// brings a file back by renaming it rather than by writing its bytes again.
//
// A stash is one folder per journal, `<parent>/<pid>-<n>`, made when first
// needed. It lies outside the project, so that the distribution and every
// listing of the project never see it, and it is used only when it is on the
// project's file system, where a rename moves a file without touching its
// bytes; elsewhere `place` gives nothing and the journal holds the bytes.
class JournalStash {
public:
    // The usual parent: "journal" in the user's cache folder.
    static QString defaultParent();

    JournalStash(const QString& projectFolder, const QString& parent);
    // Removes the stash with everything in it.
    ~JournalStash();
    JournalStash(const JournalStash&) = delete;
    JournalStash& operator=(const JournalStash&) = delete;

    // A new name in the stash, not used before; empty when there is no stash
    // on the project's file system.
    QString place();
    // Removes one file kept in the stash.
    void discard(const QString& kept);
    QString folder() const { return m_folder; }

    // Removes the stashes under `parent` of processes that no longer run:
    // what a journal that ended without its destructor left behind.
    static void removeStale(const QString& parent);

private:
    enum class Use { Unknown, Yes, No };

    QString m_project;
    QString m_parent;
    QString m_folder;
    Use m_use = Use::Unknown;
    quint64 m_next = 0;
};
