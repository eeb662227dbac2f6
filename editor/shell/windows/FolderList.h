#pragma once

#include <QListWidget>

// A folder list in the classic style: the folders from the root down to the
// open folder, then the open folder's sub-folders. Double-clicking an entry
// opens it. Selecting an entry does not open it, so "the selected sub-folder"
// and "the open folder" can differ.
class FolderList : public QListWidget {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent = nullptr);

    // The open folder, without a trailing separator (except the root "/").
    QString path() const { return m_path; }
    // Opens `folder`; false (and nothing changes) when it is no readable folder.
    bool setPath(const QString& folder);

    // The full path of the selected entry when it is a sub-folder of the open
    // folder; empty when nothing, the open folder or one of its parents is
    // selected.
    QString selectedSubfolder() const;

signals:
    // The open folder changed (by setPath or a double-click).
    void pathChanged(const QString& path);

private:
    void fill();

    QString m_path;
    int m_firstSubfolder = 0;
};
