#include "editor/shell/windows/DriveList.h"

#include <QSignalBlocker>
#include <QStorageInfo>

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
    setAccessibleName(QStringLiteral("Drive"));
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !roots.contains(root) && !root.startsWith(QLatin1String("/proc")) &&
            !root.startsWith(QLatin1String("/sys")) && !root.startsWith(QLatin1String("/dev")) && !root.startsWith(QLatin1String("/run")))
            roots << root;
    }
    for (const QString& root : roots)
        addItem(root, root);
    connect(this, &QComboBox::activated, this, [this] { emit driveChanged(drive()); });
}

void DriveList::showDriveOf(const QString& folder)
{
    int best = 0;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        const QString withSlash = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        if ((folder == root || folder.startsWith(withSlash)) && root.size() > itemData(best).toString().size())
            best = i;
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(best);
}
