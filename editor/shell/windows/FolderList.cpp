#include "editor/shell/windows/FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace {
constexpr int PathRole = Qt::UserRole;
}

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
{
    setAccessibleName(QStringLiteral("Folders"));
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { setPath(item->data(PathRole).toString()); });
}

bool FolderList::setPath(const QString& folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable())
        return false;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    if (clean == m_path)
        return true;
    m_path = clean;
    fill();
    emit pathChanged(m_path);
    return true;
}

QString FolderList::selectedSubfolder() const
{
    const QListWidgetItem* item = currentItem();
    if (!item || row(item) < m_firstSubfolder || !item->isSelected())
        return {};
    return item->data(PathRole).toString();
}

void FolderList::fill()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain from the root down to the open folder, indented by depth.
    QStringList chain;
    for (QDir dir(m_path);; ) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString& folder = chain[depth];
        const QString name = depth == 0 ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, folder);
    }
    m_firstSubfolder = count();

    QDir dir(m_path);
    const QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(closed, QString(chain.size() * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, dir.filePath(name));
    }
    // The open folder is the current entry, as in the classic list.
    setCurrentRow(m_firstSubfolder - 1);
}
