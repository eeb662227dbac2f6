#include "editor/shell/AreaFiles.h"
#include "editor/shell/JournalAction.h"

#include "editor/shell/Editor.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"
#include "player/records/LinksFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/records/FileLayer.h"

#include <QFile>
#include <QStringList>

namespace AreaFiles {

using ProjectFiles::AreaPart;

qint16 RemoveArea(const QString& frameName, qint16 n)
{
    // The links count decides which area takes the removed one's number and
    // what is written back. Without it, writing 0 would hide every area of
    // the frame from the game, so nothing is touched.
    LinksFile links;
    const QString linksPath = ProjectFiles::linksFile(frameName);
    if (linksPath.isEmpty() || !RecordFile::load(linksPath, links)) {
        MsgBox(QStringLiteral("Unable to remove the selected area: '") + ProjectPaths::FramesPath + frameName +
                   QStringLiteral(".lks") +
                   QStringLiteral("' cannot be read. Nothing was removed."),
               Dialogs::Icon::Exclamation);
        return 0;
    }
    const qint16 last = links.LinksCount;
    if (n < 1 || n > last) {
        MsgBox(QStringLiteral("Unable to remove the selected area: the frame has %1 area(s), not an area %2. Nothing was removed.")
                   .arg(last)
                   .arg(n),
               Dialogs::Icon::Exclamation);
        return last;
    }
    FrameRecord::current().LinksCount = last;
    JournalAction action(QStringLiteral("remove area %1").arg(n));

    bool failed = false;
    const QString folderPath = ProjectFiles::areaFolder(frameName);
    const QString folder = folderPath.isEmpty() ? QString() : FileNames::resolve(folderPath);

    if (!folder.isEmpty()) {
        QStringList doomed;
        for (const QString& pattern : ProjectFiles::areaFilePatterns(n))
            doomed += FileNames::list(folder, pattern);
        for (const QString& file : doomed)
            failed |= !FileLayer::remove(folder + file);

        if (n < last) {
            for (const AreaPart part : {AreaPart::Placement, AreaPart::Action, AreaPart::Pickable}) {
                const QString from = FileNames::resolve(folder + ProjectFiles::areaFileName(last, part));
                failed |= !FileLayer::rename(from, folder + ProjectFiles::areaFileName(n, part));
            }
            for (const QString& object : ProjectFiles::eventFilesOf(frameName, last)) {
                const QString from = FileNames::resolve(folder + ProjectFiles::eventFileName(last, object));
                failed |= !FileLayer::rename(from, folder + ProjectFiles::eventFileName(n, object));
            }
        }
    } else {
        failed = true;
    }
    // The links file is the one of the frame being edited, like the count
    // read above; it reports its own failure. An unreadable count leaves 0,
    // never a negative count.
    Editor::WriteLinksFile(qint16(std::max(last - 1, 0)));
    if (failed)
        MsgBox(QStringLiteral("Unable to completely remove the selected area."), Dialogs::Icon::Exclamation);
    return last;
}

QStringList ListEvents() { return ProjectFiles::events(FrameRecord::current().Name); }

QStringList ListObjects() { return ProjectFiles::objects(); }

}  // namespace AreaFiles
