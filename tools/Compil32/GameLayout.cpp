#include "tools/Compil32/GameLayout.h"

#include "platform/FileNames.h"
#include "tools/Compil32/InnoScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <optional>

namespace {

QString slashes(QString path) { return path.replace(QLatin1Char('\\'), QLatin1Char('/')); }

// Folders inside the game, spelled as first named: the script names
// "{app}\Config" and copies into "{app}\config", which must be one folder.
class Folders {
public:
    QString canonical(const QString& path)
    {
        QString built;
        for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            const QString candidate = built.isEmpty() ? part : built + QLatin1Char('/') + part;
            const QString key = candidate.toLower();
            if (!m_spelling.contains(key))
                m_spelling.insert(key, candidate);
            built = m_spelling.value(key);
        }
        return built;
    }

private:
    QMap<QString, QString> m_spelling;
};

// "{app}\areas\Hall" as a folder inside the game ("areas/Hall"); empty for
// the game folder itself; nothing for a destination outside it.
std::optional<QString> insideGame(const QString& destination)
{
    const QString d = slashes(destination);
    if (d.compare(QLatin1String("{app}"), Qt::CaseInsensitive) == 0)
        return QString();
    if (!d.startsWith(QLatin1String("{app}/"), Qt::CaseInsensitive))
        return std::nullopt;
    const QString rest = d.mid(6);
    for (const QString& part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (!FileNames::isPlainName(part))
            return std::nullopt;
    }
    return rest;
}

// The installer lists each file it installs on a line of its own.
bool oneLine(const QString& name) { return !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r')); }

}  // namespace

QString GameLayout::program(const InnoScript& script)
{
    if (script.icons.isEmpty())
        return {};
    return insideGame(script.icons.first().filename).value_or(QString());
}

bool GameLayout::stage(const InnoScript& script, const QString& folder, QString* error)
{
    const QString source = FileNames::resolve(slashes(script.value(QStringLiteral("SourceDir"))));
    if (!QFileInfo(source).isDir()) {
        if (error)
            *error = QStringLiteral("The source folder '%1' does not exist.").arg(script.value(QStringLiteral("SourceDir")));
        return false;
    }
    const QString sourceFolder = source.endsWith(QLatin1Char('/')) ? source : source + QLatin1Char('/');
    const QString game = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');

    Folders folders;
    for (const QString& dir : script.dirs) {
        const auto inside = insideGame(dir);
        if (inside && !inside->isEmpty()) {
            QDir().mkpath(game + folders.canonical(*inside));
            m_log(QStringLiteral("Folder %1").arg(folders.canonical(*inside)));
        } else {
            m_log(QStringLiteral("Folder skipped: %1").arg(dir));
        }
    }

    int count = 0;
    for (const InnoScript::File& file : script.files) {
        const auto inside = insideGame(file.destination);
        if (!inside) {
            m_log(QStringLiteral("Skipped (not for this system): %1").arg(file.source));
            continue;
        }
        const QString pattern = slashes(file.source);
        const qsizetype cut = pattern.lastIndexOf(QLatin1Char('/'));
        const QString from = cut < 0 ? sourceFolder
                                     : (pattern.startsWith(QLatin1Char('/')) ? QString() : sourceFolder) + pattern.left(cut + 1);
        const QString resolved = FileNames::resolve(from);
        const QString target = inside->isEmpty() ? QString() : folders.canonical(*inside) + QLatin1Char('/');
        const QStringList matches = FileNames::list(from, pattern.mid(cut + 1));
        if (matches.isEmpty())
            m_log(QStringLiteral("No file matches %1").arg(file.source));
        QDir().mkpath(game + target);
        for (const QString& match : matches) {
            if (!oneLine(match)) {
                m_log(QStringLiteral("Skipped (a line break in its name): %1").arg(match));
                continue;
            }
            const QString in = resolved + (resolved.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + match;
            const QString out = game + target + match;
            QFile::remove(out);
            if (!QFile::copy(in, out)) {
                if (error)
                    *error = QStringLiteral("Unable to copy '%1'.").arg(in);
                return false;
            }
            QFileDevice::Permissions mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ReadOther;
            if (match.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
                mode |= QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
            QFile::setPermissions(out, mode);
            m_log(QStringLiteral("Packed %1").arg(target + match));
            ++count;
        }
    }
    m_log(QStringLiteral("%1 files packed").arg(count));
    return true;
}
