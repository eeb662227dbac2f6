#include "editor/dialogs/AreaProperties.h"

#include "editor/shell/Editor.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/ProjectPaths.h"
#include "player/records/RecordReader.h"
#include "player/records/RecordWriter.h"

namespace AreaPropertiesFiles {

namespace {

QString areaFolder(const QString& frame)
{
    const QString folder = FileNames::inFolder(ProjectPaths::AreasPath, frame);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/');
}

QString areaFile(const QString& frame, int n, const char* suffix)
{
    const QString folder = areaFolder(frame);
    return folder.isEmpty() ? QString() : folder + QString::number(n) + QLatin1String(suffix);
}

QString eventFile(const QString& frame, int n, const QString& object)
{
    const QString folder = areaFolder(frame);
    return folder.isEmpty() ? QString()
                            : FileNames::inFolder(folder, QString::number(n) + QLatin1Char('_') + object + QStringLiteral(".drg"));
}

// A flag is a check box written as an Integer: 1 checked, 0 not. Files of
// older tools may hold a Boolean (-1) there; anything but 0 is checked.
bool readFlag(RecordReader& in, bool& flag)
{
    qint16 value = 0;
    if (!in.readInt16(value))
        return false;
    flag = value != 0;
    return true;
}

void writeFlag(RecordWriter& out, bool flag) { out.writeInteger(flag ? 1 : 0); }

bool readNames(RecordReader& in, QStringList& names)
{
    qint16 count = 0;
    if (!in.readInt16(count))
        return false;
    names.clear();
    // Each name is read before it is kept: a count the file does not back
    // ends at the end of the file.
    for (qint16 i = 0; i < count; ++i) {
        QString name;
        if (!in.readString(name))
            return false;
        names << name;
    }
    return true;
}

void writeNames(RecordWriter& out, const QStringList& names)
{
    const qsizetype count = std::min<qsizetype>(names.size(), 32767);
    out.writeInteger(count);
    for (qsizetype i = 0; i < count; ++i)
        out.writeString(names[i]);
}

bool readActions(RecordReader& in, AreaActions& a)
{
    return readFlag(in, a.changeVariable) && in.readString(a.variable) && in.readBoolean(a.setTo0) &&
           in.readBoolean(a.setTo1) && in.readBoolean(a.invert) && readFlag(in, a.showMessage) &&
           in.readString(a.message) && readFlag(in, a.playSound) && in.readString(a.sound) &&
           readFlag(in, a.disappear) && readFlag(in, a.stopGame) && readFlag(in, a.goToFrame) && in.readString(a.frame);
}

RecordWriter actionsRecord(const AreaActions& a)
{
    RecordWriter out;
    writeFlag(out, a.changeVariable);
    out.writeString(a.variable);
    out.writeBoolean(a.setTo0);
    out.writeBoolean(a.setTo1);
    out.writeBoolean(a.invert);
    writeFlag(out, a.showMessage);
    out.writeString(a.message);
    writeFlag(out, a.playSound);
    out.writeString(a.sound);
    writeFlag(out, a.disappear);
    writeFlag(out, a.stopGame);
    writeFlag(out, a.goToFrame);
    out.writeString(a.frame);
    return out;
}

bool loadAppearance(const QString& path, AreaProperties& p)
{
    RecordReader in;
    float ignored = 0;
    return in.open(path) && in.readSingle(ignored) && in.readSingle(ignored) && in.readSingle(ignored) &&
           in.readSingle(ignored) && in.readBoolean(p.transparent) && in.readBoolean(p.hasPicture) &&
           in.readString(p.picture) && readFlag(in, p.stretch) && in.readString(p.pointer) &&
           readFlag(in, p.visibilityDependsOnVariables) && readNames(in, p.mustBeZero) && readNames(in, p.mustBeOne);
}

}  // namespace

bool load(const QString& frame, int n, AreaProperties& p)
{
    RecordReader actions;
    if (!loadAppearance(areaFile(frame, n, "a.dat"), p) || !actions.open(areaFile(frame, n, "b.dat")) ||
        !readActions(actions, p.actions)) {
        MsgBox(QStringLiteral("Unable to load Area properties."), Dialogs::Icon::Exclamation);
        return false;
    }
    // The object part changes only when the whole of c.dat could be read.
    RecordReader object;
    bool pickable = false;
    QString name, icon;
    if (object.open(areaFile(frame, n, "c.dat")) && readFlag(object, pickable) && object.readString(name) &&
        object.readString(icon)) {
        p.pickable = pickable;
        p.objectName = name;
        p.icon = icon;
    }
    return true;
}

bool save(const QString& frame, int n, const AreaProperties& p)
{
    const QString folder = areaFolder(frame);
    if (!folder.isEmpty())
        Editor::MakeFolderQuietly(folder);

    RecordWriter appearance;
    for (const float value : {p.left, p.top, p.width, p.height})
        appearance.writeSingle(value);
    appearance.writeBoolean(p.transparent);
    appearance.writeBoolean(p.hasPicture);
    appearance.writeString(p.picture);
    writeFlag(appearance, p.stretch);
    appearance.writeString(p.pointer);
    writeFlag(appearance, p.visibilityDependsOnVariables);
    writeNames(appearance, p.mustBeZero);
    writeNames(appearance, p.mustBeOne);

    RecordWriter object;
    writeFlag(object, p.pickable);
    object.writeString(p.objectName);
    object.writeString(p.icon);

    bool ok = !folder.isEmpty() && appearance.commit(areaFile(frame, n, "a.dat")) &&
              actionsRecord(p.actions).commit(areaFile(frame, n, "b.dat")) && object.commit(areaFile(frame, n, "c.dat"));
    if (ok && p.pickable) {
        RecordWriter objectFile;
        objectFile.writeString(p.icon);
        const QString path = FileNames::inFolder(ProjectPaths::AreasPath, p.objectName + QStringLiteral(".obj"));
        ok = !path.isEmpty() && objectFile.commit(path);
    }
    if (!ok)
        MsgBox(QStringLiteral("Unable to save Area properties. Please verify that project files are not Read-Only."),
               Dialogs::Icon::Exclamation);
    return ok;
}

bool loadEvent(const QString& frame, int n, const QString& object, AreaActions& actions)
{
    RecordReader in;
    return in.open(eventFile(frame, n, object)) && readActions(in, actions);
}

bool saveEvent(const QString& frame, int n, const QString& object, const AreaActions& actions)
{
    const QString folder = areaFolder(frame);
    if (!folder.isEmpty())
        Editor::MakeFolderQuietly(folder);
    const QString path = eventFile(frame, n, object);
    if (!path.isEmpty() && actionsRecord(actions).commit(path))
        return true;
    MsgBox(QStringLiteral("Unable to save object information."), Dialogs::Icon::Exclamation);
    return false;
}

}  // namespace AreaPropertiesFiles
