#include "tools/Compil32/SetupBuilder.h"

#include "platform/FileNames.h"
#include "tools/Compil32/InnoScript.h"
#include "tools/Compil32/TarWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>

namespace {

QString slashes(QString path) { return path.replace(QLatin1Char('\\'), QLatin1Char('/')); }

// A single-quoted shell word.
QByteArray shellWord(const QString& text)
{
    QByteArray word = text.toUtf8();
    word.replace('\'', "'\\''");
    return '\'' + word + '\'';
}

// Folders inside the game, spelled as first named: the script names
// "{app}\Config" and copies into "{app}\config", which must be one folder.
class Folders {
public:
    QString canonical(const QString& path)
    {
        QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QString built;
        for (const QString& part : parts) {
            const QString candidate = built.isEmpty() ? part : built + QLatin1Char('/') + part;
            const QString key = candidate.toLower();
            if (!m_spelling.contains(key))
                m_spelling.insert(key, candidate);
            built = m_spelling.value(key);
        }
        return built;
    }
    QStringList all() const { return m_spelling.values(); }

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
    if (d.startsWith(QLatin1String("{app}/"), Qt::CaseInsensitive)) {
        const QString rest = d.mid(6);
        for (const QString& part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            if (!FileNames::isPlainName(part))
                return std::nullopt;
        }
        return rest;
    }
    return std::nullopt;
}

}  // namespace

QByteArray SetupBuilder::header(const QString& appName, const QString& program, qint64 payloadOffset)
{
    QByteArray h;
    h += "#!/bin/sh\n";
    h += "# Installer of " + appName.toUtf8().replace('\n', ' ') + ", made with Quendara.\n";
    h += "# Usage: sh Setup.exe [folder]   (default: ~/Games/<game name>)\n";
    h += "set -e\n";
    h += "app=" + shellWord(appName) + "\n";
    h += "program=" + shellWord(program) + "\n";
    h += "dest=\"${1:-$HOME/Games/$app}\"\n";
    h += "printf 'Installing %s into %s\\n' \"$app\" \"$dest\"\n";
    h += "mkdir -p \"$dest\"\n";
    h += "tail -c +" + QByteArray::number(payloadOffset).rightJustified(10, '0') + " \"$0\" | tar -xf - -C \"$dest\"\n";
    h += "dest=$(cd \"$dest\" && pwd)\n";
    h += "apps=\"${XDG_DATA_HOME:-$HOME/.local/share}/applications\"\n";
    h += "id=quendara-$(printf '%s' \"$app\" | tr -c 'A-Za-z0-9' '-')\n";
    h += "quoted=$(printf '%s' \"$dest/$program\" | sed 's/[\\\\\"`$]/\\\\&/g')\n";
    h += "if [ -n \"$program\" ]; then\n";
    h += "  mkdir -p \"$apps\"\n";
    h += "  printf '[Desktop Entry]\\nType=Application\\nName=%s\\nExec=\"%s\"\\nPath=%s\\nCategories=Game;\\n' "
         "\"$app\" \"$quoted\" \"$dest\" > \"$apps/$id.desktop\"\n";
    h += "fi\n";
    h += "printf '#!/bin/sh\\n# Removes %s.\\nrm -f \"%s\"\\nrm -rf \"%s\"\\n' \"$app\" \"$apps/$id.desktop\" \"$dest\" > \"$dest/Uninstall.sh\"\n";
    h += "chmod +x \"$dest/Uninstall.sh\"\n";
    h += "printf 'Done. Start it from your applications menu, or run \"%s\".\\n' \"$dest/$program\"\n";
    h += "exit 0\n";
    return h;
}

bool SetupBuilder::build(const InnoScript& script, QByteArray& installer, QStringList& log, QString* error)
{
    const QString source = FileNames::resolve(slashes(script.value(QStringLiteral("SourceDir"))));
    if (!QFileInfo(source).isDir()) {
        if (error)
            *error = QStringLiteral("The source folder '%1' does not exist.").arg(script.value(QStringLiteral("SourceDir")));
        return false;
    }
    const QString sourceFolder = source.endsWith(QLatin1Char('/')) ? source : source + QLatin1Char('/');

    Folders folders;
    TarWriter tar;
    for (const QString& dir : script.dirs) {
        const auto inside = insideGame(dir);
        if (inside && !inside->isEmpty())
            folders.canonical(*inside);
        else
            log << QStringLiteral("Folder skipped: %1").arg(dir);
    }

    QMap<QString, std::pair<QString, int>> files;  // archive path -> (source file, mode)
    for (const InnoScript::File& file : script.files) {
        const auto inside = insideGame(file.destination);
        if (!inside) {
            // Shared Windows system files have no place on this system.
            log << QStringLiteral("Skipped (not for this system): %1").arg(file.source);
            continue;
        }
        const QString pattern = slashes(file.source);
        const qsizetype cut = pattern.lastIndexOf(QLatin1Char('/'));
        const QString folder = cut < 0 ? sourceFolder
                                       : (pattern.startsWith(QLatin1Char('/')) ? QString() : sourceFolder) + pattern.left(cut + 1);
        const QString name = pattern.mid(cut + 1);
        const QString target = inside->isEmpty() ? QString() : folders.canonical(*inside);
        const QStringList matches = FileNames::list(folder, name);
        if (matches.isEmpty())
            log << QStringLiteral("No file matches %1").arg(file.source);
        for (const QString& match : matches) {
            const QString path = target.isEmpty() ? match : target + QLatin1Char('/') + match;
            const bool program = match.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive);
            files.insert(path, {FileNames::resolve(folder) + (folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + match,
                                program ? 0755 : 0644});
        }
    }

    QStringList allFolders = folders.all();
    std::sort(allFolders.begin(), allFolders.end(), [](const QString& a, const QString& b) { return a.size() < b.size(); });
    for (const QString& folder : allFolders)
        tar.addFolder(folder);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile in(it.value().first);
        if (!in.open(QIODevice::ReadOnly) || !tar.addFile(it.key(), in.readAll(), it.value().second)) {
            log << QStringLiteral("Could not pack %1").arg(it.value().first);
            continue;
        }
        log << QStringLiteral("Packed %1").arg(it.key());
    }

    // The program of the start-menu entry, inside the game folder.
    QString program;
    if (!script.icons.isEmpty()) {
        const auto inside = insideGame(script.icons.first().filename);
        if (inside)
            program = *inside;
    }
    const QString appName = script.value(QStringLiteral("AppName"));
    const qint64 headerSize = header(appName, program, 0).size();
    installer = header(appName, program, headerSize + 1) + tar.finish();
    log << QStringLiteral("Installer made: %1 files, %2 bytes").arg(files.size()).arg(installer.size());
    return true;
}
