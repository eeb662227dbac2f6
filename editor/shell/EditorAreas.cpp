#include "editor/shell/EditorAreas.h"

#include "editor/shell/Editor.h"
#include "platform/Dialogs.h"
#include "player/FrameRecord.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"

namespace EditorAreas {

QList<AreaPlacement> LoadEditorAreas()
{
    const FrameRecord& frame = FrameRecord::current();
    const qint16 claimed = frame.LinksCount;
    QList<AreaPlacement> areas;
    for (int k = 1; k <= claimed; ++k) {
        AreaPlacement area;
        const QString path = ProjectFiles::areaFile(frame.Name, k, ProjectFiles::AreaPart::Placement);
        const RecordRead read = path.isEmpty() ? RecordRead{} : RecordFile::load(path, area);
        if (read.fields < AreaPlacement::AppearanceFields) {
            MsgBox(QStringLiteral("Unable to load all the ") + QString::number(claimed)
                       + QStringLiteral(" frame area(s)."),
                   Dialogs::Icon::Exclamation);
            Editor::WriteLinksFile(qint16(areas.size()));
            break;
        }
        areas.append(area);
    }
    return areas;
}

}  // namespace EditorAreas
