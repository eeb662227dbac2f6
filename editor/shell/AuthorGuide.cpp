#include "editor/shell/AuthorGuide.h"

#include "editor/shell/EditorPaths.h"
#include "platform/FileNames.h"
#include "platform/Shell.h"

#include <QFileInfo>

namespace AuthorGuide {

QString indexFile()
{
    const QString file = FileNames::resolve(EditorPaths::ProgramPath + QStringLiteral("guide/index.html"));
    return QFileInfo(file).isFile() ? file : QString();
}

QString open()
{
    const QString file = indexFile();
    if (file.isEmpty())
        return QStringLiteral("The author's guide is not installed. It belongs in the folder 'guide' beside the "
                              "editor: ")
               + EditorPaths::ProgramPath + QStringLiteral("guide/index.html");
    if (!Shell::open(file))
        return QStringLiteral("Sorry, unable to open '") + file
               + QStringLiteral("'. Open it in your web browser, or install one (for example the Debian package "
                                "firefox-esr).");
    return {};
}

}  // namespace AuthorGuide
