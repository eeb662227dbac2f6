#include "editor/dialogs/ProjectVariables.h"

#include "editor/shell/Validate.h"
#include "platform/Dialogs.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/records/VariablesFile.h"

namespace ProjectVariables {

bool load(QStringList& names)
{
    VariablesFile file;
    const bool ok = file.loadToEnd(ProjectFiles::variables());
    // The names read before a damaged one are kept.
    names += file.Names;
    if (!ok)
        MsgBox(QStringLiteral("Error while loading project variables."), Dialogs::Icon::Exclamation);
    return ok;
}

bool save(const QStringList& names)
{
    return RecordFile::save(ProjectFiles::variables(), VariablesFile{names});
}

QString proposal(const QStringList& names)
{
    for (int k = 1;; ++k) {
        const QString name = QStringLiteral("Variable%1").arg(k, 2, 10, QLatin1Char('0'));
        if (!names.contains(name, Qt::CaseSensitive))
            return name;
    }
}

bool canAdd(const QStringList& names, const QString& name)
{
    if (name.isEmpty())
        return false;
    if (Validate::HasQuotationMark(name)) {
        Validate::ShowQuotationMarkMessage();
        return false;
    }
    if (names.contains(name, Qt::CaseSensitive)) {
        MsgBox(QStringLiteral("Variable already exists."), Dialogs::Icon::Information);
        return false;
    }
    return true;
}

}  // namespace ProjectVariables
