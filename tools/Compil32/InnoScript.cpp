#include "tools/Compil32/InnoScript.h"

#include <QRegularExpression>

namespace {

// "Name: \"x\"; Filename: \"y\"; Flags: a b" as parameter names (lower case)
// and values, quotes removed.
QMap<QString, QString> parameters(const QString& line)
{
    QMap<QString, QString> result;
    static const QRegularExpression parameter(QStringLiteral("\\s*([A-Za-z]+)\\s*:\\s*(\"[^\"]*\"|[^;]*)\\s*(;|$)"));
    auto it = parameter.globalMatch(line);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(0) == 0)
            break;
        QString value = m.captured(2).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        result.insert(m.captured(1).toLower(), value);
    }
    return result;
}

}  // namespace

bool InnoScript::parse(const QString& text, InnoScript& script, QString* error)
{
    script = InnoScript();
    QString section;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).toLower();
            continue;
        }
        if (section == QLatin1String("setup")) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0)
                script.setup.insert(line.left(equals).trimmed().toLower(), line.mid(equals + 1).trimmed());
        } else if (section == QLatin1String("dirs")) {
            const QString name = parameters(line).value(QStringLiteral("name"));
            if (!name.isEmpty())
                script.dirs << name;
        } else if (section == QLatin1String("files")) {
            const auto p = parameters(line);
            if (!p.value(QStringLiteral("source")).isEmpty())
                script.files.append({p.value(QStringLiteral("source")), p.value(QStringLiteral("destdir")),
                                     p.value(QStringLiteral("flags")).split(QLatin1Char(' '), Qt::SkipEmptyParts)});
        } else if (section == QLatin1String("icons")) {
            const auto p = parameters(line);
            if (!p.value(QStringLiteral("name")).isEmpty())
                script.icons.append({p.value(QStringLiteral("name")), p.value(QStringLiteral("filename"))});
        }
    }
    for (const char* required : {"AppName", "SourceDir"}) {
        if (script.value(QLatin1String(required)).isEmpty()) {
            if (error)
                *error = QStringLiteral("The script has no %1 in its [Setup] section.").arg(QLatin1String(required));
            return false;
        }
    }
    return true;
}
