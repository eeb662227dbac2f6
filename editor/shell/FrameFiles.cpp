#include "editor/shell/FrameFiles.h"
#include "editor/shell/JournalAction.h"

#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/ProjectPaths.h"
#include "player/records/AtomicFile.h"
#include "player/records/FrameFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/records/FileLayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace FrameFiles {

namespace {

using ProjectFiles::frameFile;
using ProjectFiles::linksFile;

// The area folder as an entry of Areas/, without its closing separator, so
// that it can be renamed like a file.
QString areaFolder(const QString& name)
{
    const QString folder = ProjectFiles::areaFolder(name);
    return folder.isEmpty() ? folder : folder.chopped(1);
}

// The first of base, base + "01", base + "02"... (or, for `counterOnly`,
// base + "01" first) that names no frame; empty when all are taken.
QString freeName(const QString& base, bool counterOnly)
{
    if (!counterOnly && !FileNames::exists(frameFile(base)))
        return base;
    for (int n = 1; n <= 32767; ++n) {
        const QString name = base + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        if (!FileNames::exists(frameFile(name)))
            return name;
    }
    return {};
}

bool writeNewFrame(const QString& name, Kind kind, const QString& background, bool tiled)
{
    FrameFile record;
    record.FrameKind = kind;
    // A new frame's colour is written in quotes, like a picture's name.
    record.Background = background;
    record.BackgroundBare = false;
    record.Tiled = tiled;
    record.DurationSeconds = 4;
    record.SoundAfterVideo = true;
    const QString path = frameFile(name);
    return !path.isEmpty() && RecordFile::save(path, record);
}

// One entry bearing a frame's name, and the name it is to take. `from` is
// the entry as it is spelled on disk, empty when it does not exist; `to` is
// the new name in the folder as that folder is spelled on disk.
struct Move {
    QString from;
    QString to;
};

// Plans the move of `path` to `newPath`; false when the new name is held by
// another entry (only the letter case of the same entry may change).
bool plan(const QString& path, const QString& newPath, Move& move)
{
    const QString existing = FileNames::resolve(path);
    move.from = QFileInfo::exists(existing) ? existing : QString();
    const QFileInfo target(newPath);
    const QString folder = FileNames::resolve(target.path());
    move.to = folder + QLatin1Char('/') + target.fileName();
    // The resolver finds the new name in any letter case; when that is the
    // entry being renamed, only its case changes.
    const QString taken = FileNames::resolve(move.to);
    return !QFileInfo::exists(taken) || taken == move.from;
}

}  // namespace

QString CreateFrame(Kind kind, const QString& source, const QString& title, bool tiled)
{
    JournalAction action(QStringLiteral("new frame"));
    if (kind == SolidColour) {
        const QString name = freeName(QStringLiteral("Solid"), true);
        return writeNewFrame(name, SolidColour, source, false) ? name : QString();
    }

    if (!FileNames::exists(source))
        MsgBox(QStringLiteral("Sorry, unable to find '") + source + QStringLiteral("'."), Dialogs::Icon::Exclamation);
    QFile picture(FileNames::resolve(source));
    const QString copy = FileNames::inFolder(ProjectPaths::FramesPath, title);
    if (!copy.isEmpty() && picture.open(QIODevice::ReadOnly))
        AtomicFile::write(copy, picture.readAll());

    // The frame is named after the picture without its ending, however long
    // the ending is ("photo.jpeg" gives "photo"). A title of four characters
    // or fewer would leave no name at all.
    const qsizetype dot = title.lastIndexOf(QLatin1Char('.'));
    QString base = dot > 0 ? title.left(dot) : title.left(title.size() - 4);
    if (base.isEmpty())
        base = QStringLiteral("Frame");
    const QString name = freeName(base, false);
    if (writeNewFrame(name, Picture, title, tiled))
        return name;
    MsgBox(QStringLiteral("Unable to create '") + frameFile(name) + QStringLiteral("'."),
           Dialogs::Icon::Exclamation);
    return {};
}

bool RemoveFrame(const QString& name)
{
    const QString question = QStringLiteral("Do you really want to remove the frame '") + frameFile(name) +
                             QStringLiteral("' and all its clickable areas?.\n\nClick 'Cancel' to abort operation.");
    if (MsgBox(question, Dialogs::Icon::Question, Dialogs::Buttons::OKCancel) == Dialogs::Cancel)
        return false;
    JournalAction action(QStringLiteral("remove frame '") + name + QLatin1Char('\''));
    if (!linksFile(name).isEmpty())
        FileLayer::remove(FileNames::resolve(linksFile(name)));
    const QString frame = frameFile(name);
    if (frame.isEmpty() || !FileLayer::remove(FileNames::resolve(frame))) {
        MsgBox(QStringLiteral("Unable to completely remove '") + ProjectPaths::FramesPath + name + QStringLiteral("'."),
               Dialogs::Icon::Exclamation);
        return false;
    }
    const QString areas = areaFolder(name);
    if (!areas.isEmpty()) {
        const QString folder = FileNames::resolve(areas) + QLatin1Char('/');
        for (const QString& file : FileNames::list(folder, QStringLiteral("*.*")))
            FileLayer::remove(folder + file);
        FileLayer::removeFolder(folder);
    }
    return true;
}

bool RenameFrame(const QString& oldName, const QString& newName)
{
    const auto fail = [] {
        MsgBox(QStringLiteral("Unable to rename frame areas."), Dialogs::Icon::Exclamation);
        return false;
    };
    if (frameFile(oldName).isEmpty() || frameFile(newName).isEmpty())
        return fail();
    // Everything is checked before anything moves: a frame file, links file or
    // area folder of the new name that belongs to another frame would hand it
    // this frame's areas, or this frame its areas.
    Move moves[3];
    const bool free = plan(frameFile(oldName), frameFile(newName), moves[0]) &&
                      plan(linksFile(oldName), linksFile(newName), moves[1]) &&
                      plan(areaFolder(oldName), areaFolder(newName), moves[2]);
    if (!free || moves[0].from.isEmpty())
        return fail();
    JournalAction action(QStringLiteral("rename frame '") + oldName + QStringLiteral("' to '") + newName +
                         QLatin1Char('\''));
    // A frame without areas has no links file and no area folder: renaming
    // its frame file is all there is to do.
    QList<const Move*> done;
    for (const Move& move : moves) {
        if (move.from.isEmpty())
            continue;
        if (!FileLayer::rename(move.from, move.to)) {
            // Put back what was already renamed, so that both names keep
            // exactly the files they had.
            for (auto it = done.crbegin(); it != done.crend(); ++it)
                FileLayer::rename((*it)->to, (*it)->from);
            return fail();
        }
        done.append(&move);
    }
    return true;
}

QString GetFileTitle(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? path : path.mid(slash + 1);
}

}  // namespace FrameFiles
