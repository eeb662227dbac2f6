#include "editor/shell/windows/RecentProjectsList.h"

#include "editor/shell/RecentProjects.h"

#include <QDir>

RecentProjectsList::RecentProjectsList(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("lstRecentProjects"));
    setAccessibleName(QStringLiteral("Recent projects"));
    setToolTip(QStringLiteral("Click a project you loaded lately to load it again"));
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit projectChosen(item->data(Qt::UserRole).toString()); });
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit projectChosen(item->data(Qt::UserRole).toString()); });
    refresh();
}

void RecentProjectsList::refresh()
{
    clear();
    for (const QString& folder : RecentProjects::list()) {
        auto* item = new QListWidgetItem(QDir(folder).dirName(), this);
        item->setData(Qt::UserRole, folder);
        item->setToolTip(QDir::toNativeSeparators(folder));
    }
    setVisible(count() > 0);
}
