#include "editor/shell/Validate.h"

#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"
#include "player/records/RecordSync.h"

namespace Validate {

qint16 CheckStartFrame()
{
    const QString& start = ProjectRecord::current().StartingFrame;
    if (!start.isEmpty() && FrameFileMissing(start) != No)
        return Passed;
    MsgBox(QStringLiteral("You must select the frame you want to show when starting the game.\n\n"
                          "Please select a valid Starting Frame from the project properties."),
           Dialogs::Icon::Information);
    return No;
}

qint16 FrameFileMissing(const QString& name)
{
    return FileNames::exists(ProjectFiles::frameFile(name)) ? Passed : No;
}

qint16 HasForbiddenCharacters(const QString& text)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|,");
    for (const QChar c : text) {
        if (forbidden.contains(c))
            return No;
    }
    return Passed;
}

void ShowForbiddenCharactersMessage()
{
    MsgBox(QStringLiteral("Sorry, a filename cannot contain any of the following characters :\n\" \\ / : * ? < > | ,"),
           Dialogs::Icon::Exclamation);
}

qint16 IsProjectFolder(const QString& path)
{
    QString folder = path;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return FileNames::exists(folder + QStringLiteral("Config/General")) ? Yes : No;
}

bool HasQuotationMark(const QString& text) { return text.contains(QLatin1Char('"')); }

void ShowQuotationMarkMessage() { MsgBox(QStringLiteral("Please do not use quotation marks: \"")); }

bool VerifyProjectChecksum()
{
    qint16 stored = 0;
    if (!ProjectDat::read(ProjectPaths::ProjectPath, stored))
        return false;
    // Only the project name, the first value, is checked: the rest of the
    // record may be damaged.
    ProjectRecord general;
    if (RecordFile::load(ProjectFiles::general(), general).fields < 1)
        return false;
    return ProjectNameChecksum(general.ProjectName) == stored;
}

}  // namespace Validate
