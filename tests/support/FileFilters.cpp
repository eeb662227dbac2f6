#include "support/FileFilters.h"

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

QStringList filesListed(const QString& filter, const QString& folder)
{
    QFileDialog dialog(nullptr, QStringLiteral("Open"), QString(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!model)
        return {};
    // The model reads folders in a thread of its own and says when it is done.
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    dialog.setDirectory(folder);
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const bool listed = QTest::qWaitFor([&] {
        for (const QList<QVariant>& signal : loaded) {
            if (QFileInfo(signal.at(0).toString()).canonicalFilePath() == canonical)
                return true;
        }
        return false;
    }, 10000);
    if (!listed)
        return {QStringLiteral("(the folder was never listed)")};
    QStringList names;
    const QModelIndex root = model->index(folder);
    for (int row = 0; row < model->rowCount(root); ++row) {
        const QModelIndex entry = model->index(row, 0, root);
        // An entry the filter refuses is hidden, or shown disabled where the
        // platform prefers that.
        if (!model->isDir(entry) && (model->flags(entry) & Qt::ItemIsEnabled))
            names << model->fileName(entry);
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

bool filterTakes(const QString& filter, const QString& file)
{
    QTemporaryDir folder;
    QFile sample(folder.filePath(file));
    if (!sample.open(QIODevice::WriteOnly))
        return false;
    sample.close();
    return filesListed(filter, folder.path()).contains(file);
}
