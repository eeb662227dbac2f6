#include "editor/dialogs/ProjectVariables.h"

#include "editor/shell/Validate.h"
#include "platform/Dialogs.h"
#include "player/ProjectPaths.h"
#include "player/records/RecordReader.h"
#include "player/records/RecordWriter.h"

namespace ProjectVariables {

namespace {
QString variablesFile() { return ProjectPaths::ConfigPath + QStringLiteral("Variables"); }
}  // namespace

bool load(QStringList& names)
{
    RecordReader in;
    RecordValue count;
    bool ok = in.open(variablesFile()) && in.readValue(count);
    while (ok && !in.atEnd()) {
        QString name;
        ok = in.readString(name);
        if (ok)
            names << name;
    }
    if (!ok)
        MsgBox(QStringLiteral("Error while loading project variables."), Dialogs::Icon::Exclamation);
    return ok;
}

bool save(const QStringList& names)
{
    RecordWriter out;
    const qsizetype count = std::min<qsizetype>(names.size(), 32767);
    out.writeInteger(count);
    for (qsizetype i = 0; i < count; ++i)
        out.writeString(names[i]);
    return out.commit(variablesFile());
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
