#include "editor/shell/Editor2.h"

#include "platform/Dialogs.h"
#include "platform/Processes.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"

#include <QStringList>

#include <limits>

namespace Editor2 {

std::optional<int> RunAndWait(const QString& commandLine, QString* error)
{
    return Processes::startAndWait(commandLine, error);
}

namespace {

// The controls count in 16-bit numbers; lines past that cannot be named.
int countable(int count) { return std::min(count, int(std::numeric_limits<qint16>::max())); }

}  // namespace

qint16 FindInCombo(const QStringList& items, const QString& text)
{
    const int count = countable(int(items.size()));
    for (int i = 0; i < count; ++i) {
        if (items[i] == text)
            return qint16(i);
    }
    return -1;
}

qint16 FindInList(const QStringList& items, const QString& text) { return FindInCombo(items, text); }

qint16 FindInListView(const QStringList& items, const QString& text)
{
    const qint16 index = FindInList(items, text);
    return index < 0 || index == std::numeric_limits<qint16>::max() ? qint16(-1) : qint16(index + 1);
}

bool SaveProjectChecksum()
{
    const qint16 checksum = ProjectNameChecksum(ProjectRecord::current().ProjectName);
    if (ProjectDat::write(ProjectPaths::ProjectPath, checksum))
        return true;
    MsgBox(QStringLiteral("Unable to save important project information. Your project may become Write-Protected and "
                          "you may be unable to edit it anymore.\n\nNext time you run Quendara, if you have troubles "
                          "loading your project, please contact the authors."),
           Dialogs::Icon::Exclamation);
    return false;
}

}  // namespace Editor2
