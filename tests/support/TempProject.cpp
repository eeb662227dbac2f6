#include "support/TempProject.h"

#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempProject::TempProject() = default;
TempProject::~TempProject() { ProjectPaths::clear(); }

QString TempProject::path() const { return m_dir.path() + QLatin1Char('/'); }

void TempProject::write(const QString& relative, const QByteArray& content) const
{
    const QString full = path() + relative;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

void TempProject::writeLines(const QString& relative, const QStringList& lines) const
{
    QByteArray content;
    for (const QString& line : lines)
        content += line.toUtf8() + "\r\n";
    write(relative, content);
}

QByteArray TempProject::read(const QString& relative) const
{
    QFile file(path() + relative);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempProject::exists(const QString& relative) const { return QFileInfo::exists(path() + relative); }

void TempProject::makeGame(const QString& adventureName, int width, int height, const QString& startingFrame) const
{
    QDir dir(path());
    dir.mkpath(QStringLiteral("Config"));
    dir.mkpath(QStringLiteral("Frames"));
    dir.mkpath(QStringLiteral("Areas"));
    dir.mkpath(QStringLiteral("Icons"));
    ProjectRecord record;
    record.ProjectName = adventureName;
    record.RecordPath = path() + QStringLiteral("Config/General");
    record.AdventureName = adventureName;
    record.ScreenSizeChoice = 3;
    record.StartingFrame = startingFrame;
    record.Version = QStringLiteral("1.00");
    record.ScreenWidth = static_cast<qint16>(width);
    record.ScreenHeight = static_cast<qint16>(height);
    record.save(path() + QStringLiteral("Config/General"));
    usePaths();
}

void TempProject::usePaths() const { ProjectPaths::setProjectPath(path()); }
