// Every project file of the demo game and of the test games is read through
// its record type and written back: the bytes must be the very bytes of the
// file (line ends, quotes, #TRUE#, number forms), so the record types can
// replace any reader or writer without changing a project on disk.

#include "player/records/ActionRecord.h"
#include "player/records/AreaPlacement.h"
#include "player/records/FrameFile.h"
#include "player/records/LinksFile.h"
#include "player/records/ObjectFile.h"
#include "player/records/PickableRecord.h"
#include "player/records/ProjectRecord.h"
#include "player/records/RecordSync.h"
#include "player/records/SavedGame.h"
#include "player/records/VariablesFile.h"
#include "player/records/VersionFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

struct RoundTrip {
    RecordRead read;
    QByteArray written;
};

template <typename Record>
RoundTrip roundTrip(const QByteArray& bytes)
{
    Record record;
    RoundTrip result;
    result.read = RecordFile::parse(bytes, record);
    result.written = RecordFile::bytes(record);
    return result;
}

// The record type of a project file, by where it lies in its project, or
// nothing for pictures, sounds and other files that are not records.
std::optional<std::function<RoundTrip(const QByteArray&)>> recordTypeOf(const QString& relative)
{
    static const QRegularExpression areaFile(QStringLiteral("^Areas/[^/]+/\\d+([abc])\\.dat$"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression eventFile(QStringLiteral("^Areas/[^/]+/\\d+_.+\\.drg$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString lower = relative.toLower();
    if (lower == QLatin1String("config/general"))
        return roundTrip<ProjectRecord>;
    if (lower == QLatin1String("config/version"))
        return roundTrip<VersionFile>;
    if (lower == QLatin1String("config/variables"))
        return roundTrip<VariablesFile>;
    if (lower.startsWith(QLatin1String("frames/")) && lower.endsWith(QLatin1String(".fme")))
        return roundTrip<FrameFile>;
    if (lower.startsWith(QLatin1String("frames/")) && lower.endsWith(QLatin1String(".lks")))
        return roundTrip<LinksFile>;
    if (lower.startsWith(QLatin1String("areas/")) && lower.count(QLatin1Char('/')) == 1 && lower.endsWith(QLatin1String(".obj")))
        return roundTrip<ObjectFile>;
    if (!lower.contains(QLatin1Char('/')) && lower.endsWith(QLatin1String(".sav")))
        return roundTrip<SavedGame>;
    if (eventFile.match(relative).hasMatch())
        return roundTrip<ActionRecord>;
    const QRegularExpressionMatch match = areaFile.match(relative);
    if (match.hasMatch()) {
        const QChar part = match.captured(1).at(0).toLower();
        if (part == QLatin1Char('a'))
            return roundTrip<AreaPlacement>;
        if (part == QLatin1Char('b'))
            return roundTrip<ActionRecord>;
        return roundTrip<PickableRecord>;
    }
    return std::nullopt;
}

// Project folders (those holding Config/General) under the demo and the
// test data.
QStringList projectFolders()
{
    QStringList folders;
    for (const QString& root : {QStringLiteral(QUENDARA_SOURCE_DIR "/demo"), QStringLiteral(QUENDARA_TEST_DATA)}) {
        QDirIterator it(root, {QStringLiteral("General")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo general(it.next());
            if (general.dir().dirName().compare(QLatin1String("Config"), Qt::CaseInsensitive) == 0)
                folders << QFileInfo(general.dir().absolutePath() + QStringLiteral("/..")).canonicalFilePath();
        }
    }
    return folders;
}

}  // namespace

TEST(RecordGoldenTest, EveryProjectFileOfTheDemoAndTheTestGamesWritesBackToItsOwnBytes)
{
    const QStringList folders = projectFolders();
    ASSERT_GE(folders.size(), 2) << "the demo and the test games";
    int checked = 0;
    for (const QString& folder : folders) {
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = QDir(folder).relativeFilePath(path);
            const auto type = recordTypeOf(relative);
            if (!type)
                continue;
            SCOPED_TRACE(path.toStdString());
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            const RoundTrip result = (*type)(bytes);
            EXPECT_TRUE(result.read.complete);
            EXPECT_EQ(result.written.toStdString(), bytes.toStdString());
            ++checked;
        }
    }
    EXPECT_GE(checked, 150);
}

TEST(RecordGoldenTest, ProjectDatKeepsThePrintConvention)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    for (const QString& project : projectFolders()) {
        SCOPED_TRACE(project.toStdString());
        QFile original(project + QStringLiteral("/Project.dat"));
        if (!original.open(QIODevice::ReadOnly))
            continue;
        qint16 checksum = 0;
        ASSERT_TRUE(ProjectDat::read(project + QLatin1Char('/'), checksum));
        ASSERT_TRUE(ProjectDat::write(folder, checksum));
        QFile written(folder + QStringLiteral("Project.dat"));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), original.readAll());
    }
}
