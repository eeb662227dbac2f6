#include "platform/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <vector>

namespace FileNames {

namespace {

// The entry of `folder` whose name equals `name` without regard to case; an
// exact match wins over a case variant.
QString findEntry(const QString& folder, const QString& name)
{
    QDir dir(folder.isEmpty() ? QStringLiteral("/") : folder);
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList matches;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            matches.append(entry);
    }
    if (matches.isEmpty())
        return {};
    matches.sort(Qt::CaseSensitive);
    return matches.first();
}

}  // namespace

QString resolve(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const bool trailing = path.endsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    bool found = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString next = part;
        if (found && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QString entry = findEntry(current.isEmpty() ? QStringLiteral(".") : current, part);
            if (entry.isEmpty())
                found = false;
            else
                next = entry;
        }
        current += next;
        if (i + 1 < parts.size())
            current += QLatin1Char('/');
    }
    if (trailing && !current.endsWith(QLatin1Char('/')))
        current += QLatin1Char('/');
    return current;
}

bool exists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(resolve(path));
    return info.exists() && info.isFile();
}

QStringList list(const QString& folder, const QString& pattern)
{
    return list(folder, QStringList{pattern});
}

QStringList list(const QString& folder, const QStringList& patterns)
{
    const QString resolved = resolve(folder);
    if (resolved.isEmpty())
        return {};
    std::vector<QRegularExpression> matchers;
    for (const QString& pattern : patterns) {
        // "*.*" names every file, as on the system the format comes from,
        // also "General" and "Variables", which have no extension.
        const QString wildcard = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
        const QString expression = QRegularExpression::wildcardToRegularExpression(
            wildcard, QRegularExpression::UnanchoredWildcardConversion);
        matchers.emplace_back(QRegularExpression::anchoredPattern(expression), QRegularExpression::CaseInsensitiveOption);
    }
    // One reading of the folder, whatever the number of patterns.
    QStringList names;
    const QStringList entries = QDir(resolved).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& entry : entries) {
        for (const QRegularExpression& matcher : matchers) {
            if (matcher.match(entry).hasMatch()) {
                names.append(entry);
                break;
            }
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool isPlainName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

QString inFolder(const QString& folder, const QString& name)
{
    if (!isPlainName(name))
        return {};
    return folder + name;
}

}  // namespace FileNames
