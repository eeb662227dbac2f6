#include "editor/distribution/InstallerScript.h"

#include "editor/shell/EditorPaths.h"
#include "platform/FileNames.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"

#include <QDir>

namespace InstallerScript {

const QStringList& colours()
{
    static const QStringList names{
        QStringLiteral("Green"),  QStringLiteral("Black"), QStringLiteral("Maroon"), QStringLiteral("Olive"),
        QStringLiteral("Navy"),   QStringLiteral("Purple"), QStringLiteral("Teal"),  QStringLiteral("Gray"),
        QStringLiteral("Silver"), QStringLiteral("Red"),   QStringLiteral("Lime"),   QStringLiteral("Yellow"),
        QStringLiteral("Blue"),   QStringLiteral("Fuchsia"), QStringLiteral("Aqua"), QStringLiteral("White")};
    return names;
}

const QStringList& systemFiles()
{
    static const QStringList names{QStringLiteral("msvbvm50.dll"), QStringLiteral("Oleaut32.dll"),
                                   QStringLiteral("Olepro32.dll"), QStringLiteral("Stdole2.tlb"),
                                   QStringLiteral("ctl3d32.dll"),  QStringLiteral("Comcat.dll"),
                                   QStringLiteral("Asycfilt.dll")};
    return names;
}

bool AnyFile(const QString& folder, const QString& pattern)
{
    return !FileNames::list(folder, pattern.isEmpty() ? QStringLiteral("*.*") : pattern).isEmpty();
}

QStringList areaFolders()
{
    const QString areas = FileNames::resolve(ProjectPaths::AreasPath);
    if (areas.isEmpty())
        return {};
    QStringList folders = QDir(areas).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    // A script line holds a folder's name between quotes, so a name with a
    // quote (which the editor never gives a frame) cannot be written.
    folders.removeIf([](const QString& name) { return !FileNames::isPlainName(name) || name.contains(QLatin1Char('"')); });
    std::sort(folders.begin(), folders.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return folders;
}

namespace {

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString systemFileLine(const QString& systemFolder, const QString& name, bool last)
{
    return QStringLiteral("Source: ") + quoted(systemFolder + name) + QStringLiteral("; DestDir: ") +
           quoted(QStringLiteral("{sys}")) + QStringLiteral("; Flags: sharedfile uninsneveruninstall") +
           (last ? QStringLiteral(";") : QString());
}

QString filesLine(const QString& source, const QString& destination)
{
    return QStringLiteral("Source: ") + quoted(source) + QStringLiteral("; DestDir: ") + quoted(destination);
}

}  // namespace

QByteArray text(const ProjectRecord& record, const InstallerOptions& options, const QString& systemFolder,
                const std::function<bool(const QString&)>& isFile)
{
    const QString& name = record.AdventureName;
    const QString colour = colours().contains(options.colour) ? options.colour : colours().first();
    const QStringList folders = areaFolders();

    QStringList lines{QStringLiteral("[Setup]"),
                      QStringLiteral("Bits=32"),
                      QStringLiteral("AppName=") + name,
                      QStringLiteral("AppVerName=") + name + QStringLiteral(" version ") + record.Version,
                      QStringLiteral("AppCopyright=By ") + record.AuthorName,
                      QStringLiteral("DefaultDirName={pf}\\") + name,
                      QStringLiteral("DefaultGroupName=") + name,
                      QStringLiteral("MinVersion=4,3.51"),
                      QStringLiteral("AlwaysCreateUninstallIcon=1"),
                      QStringLiteral("BackColor=cl") + colour,
                      QStringLiteral("SourceDir=") + ProjectPaths::ProjectPath,
                      QString(),
                      QStringLiteral("[Dirs]")};
    for (const char* folder : {"Config", "Frames", "Icons", "Areas"})
        lines << QStringLiteral("Name: ") + quoted(QStringLiteral("{app}\\") + QLatin1String(folder));
    for (const QString& folder : folders)
        lines << QStringLiteral("Name: ") + quoted(QStringLiteral("{app}\\Areas\\") + folder);
    lines << QString() << QStringLiteral("[Files]");

    const QStringList& system = systemFiles();
    for (qsizetype i = 0; i < system.size(); ++i) {
        const bool left = i == 0 ? options.withoutRuntime : options.withoutSystemFiles;
        if (!left && isFile(systemFolder + system[i]))
            lines << systemFileLine(systemFolder, system[i], i + 1 == system.size());
    }

    if (AnyFile(ProjectPaths::ProjectPath, QStringLiteral("*.exe")))
        lines << filesLine(QStringLiteral("*.exe"), QStringLiteral("{app}"));
    if (options.letAnyoneEdit && AnyFile(ProjectPaths::ProjectPath, QStringLiteral("*.dat")))
        lines << filesLine(QStringLiteral("*.dat"), QStringLiteral("{app}"));
    const std::pair<const QString*, const char*> sections[] = {{&ProjectPaths::ConfigPath, "config"},
                                                               {&ProjectPaths::FramesPath, "frames"},
                                                               {&ProjectPaths::IconsPath, "icons"},
                                                               {&ProjectPaths::AreasPath, "areas"}};
    for (const auto& [folder, source] : sections) {
        if (AnyFile(*folder))
            lines << filesLine(QLatin1String(source) + QStringLiteral("\\*.*"), QStringLiteral("{app}\\") + QLatin1String(source));
    }
    for (const QString& folder : folders) {
        if (AnyFile(ProjectPaths::AreasPath + folder + QLatin1Char('/')))
            lines << filesLine(QStringLiteral("areas\\") + folder + QStringLiteral("\\*.*"),
                               QStringLiteral("{app}\\areas\\") + folder);
    }

    lines << QString() << QStringLiteral("[Icons]")
          << QStringLiteral("Name: ") + quoted(QStringLiteral("{group}\\") + name) + QStringLiteral("; Filename: ") +
                 quoted(QStringLiteral("{app}\\") + name + QStringLiteral(".exe"));

    QByteArray out;
    for (const QString& line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

QString path(const QString& projectName)
{
    return FileNames::inFolder(EditorPaths::ProgramPath, projectName + QStringLiteral(".iss"));
}

}  // namespace InstallerScript
