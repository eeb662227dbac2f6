#include "editor/dialogs/AreaProperties.h"

#include "editor/shell/Editor.h"
#include "platform/Dialogs.h"
#include "player/records/ActionRecord.h"
#include "player/records/AreaPlacement.h"
#include "player/records/ObjectFile.h"
#include "player/records/PickableRecord.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"

namespace AreaPropertiesFiles {

namespace {

using ProjectFiles::AreaPart;

// The dialog shows the records' numbers as check boxes. A check box is
// written as 1 or 0; files of older tools may hold a Boolean (-1) in a flag,
// so anything but 0 is checked, as the game reads it. Only Stretch is read
// as the game reads it, where nothing but 1 stretches.
qint16 flagOf(bool checked) { return checked ? 1 : 0; }

// Each pair maps a record to the dialog's view and back. A record read from
// a file cut short keeps the dialog's values in the fields it did not reach,
// because it starts as a copy of them.
ActionRecord toRecord(const AreaActions& a)
{
    ActionRecord r;
    r.ChangeVariable = flagOf(a.changeVariable);
    r.VariableName = a.variable;
    r.SetToZero = a.setTo0;
    r.SetToOne = a.setTo1;
    r.Invert = a.invert;
    r.ShowMessage = flagOf(a.showMessage);
    r.Message = a.message;
    r.PlaySound = flagOf(a.playSound);
    r.Sound = a.sound;
    r.DisappearFlag = flagOf(a.disappear);
    r.StopGame = flagOf(a.stopGame);
    r.GoToFrame = flagOf(a.goToFrame);
    r.TargetFrame = a.frame;
    return r;
}

void fromRecord(const ActionRecord& r, AreaActions& a)
{
    a.changeVariable = r.ChangeVariable != 0;
    a.variable = r.VariableName;
    a.setTo0 = r.SetToZero;
    a.setTo1 = r.SetToOne;
    a.invert = r.Invert;
    a.showMessage = r.ShowMessage != 0;
    a.message = r.Message;
    a.playSound = r.PlaySound != 0;
    a.sound = r.Sound;
    a.disappear = r.DisappearFlag != 0;
    a.stopGame = r.StopGame != 0;
    a.goToFrame = r.GoToFrame != 0;
    a.frame = r.TargetFrame;
}

AreaPlacement toRecord(const AreaProperties& p)
{
    AreaPlacement r;
    r.Left = p.left;
    r.Top = p.top;
    r.Width = p.width;
    r.Height = p.height;
    r.Transparent = p.transparent;
    r.HasPicture = p.hasPicture;
    r.Picture = p.picture;
    r.Stretch = flagOf(p.stretch);
    r.Pointer = p.pointer;
    r.Conditional = flagOf(p.visibilityDependsOnVariables);
    r.MustBeZero = p.mustBeZero;
    r.MustBeOne = p.mustBeOne;
    return r;
}

// The rectangle stays as the canvas has it.
void fromRecord(const AreaPlacement& r, AreaProperties& p)
{
    p.transparent = r.Transparent;
    p.hasPicture = r.HasPicture;
    p.picture = r.Picture;
    p.stretch = r.Stretch == 1;
    p.pointer = r.Pointer;
    p.visibilityDependsOnVariables = r.Conditional != 0;
    p.mustBeZero = r.MustBeZero;
    p.mustBeOne = r.MustBeOne;
}

PickableRecord pickableOf(const AreaProperties& p) { return {flagOf(p.pickable), p.objectName, p.icon}; }

// Reads an action or event file over `actions`; false when it was not read whole.
bool loadActions(const QString& path, AreaActions& actions)
{
    ActionRecord record = toRecord(actions);
    const bool whole = bool(RecordFile::load(path, record));
    fromRecord(record, actions);
    return whole;
}

void makeAreaFolder(const QString& frame)
{
    const QString folder = ProjectFiles::areaFolder(frame);
    if (!folder.isEmpty())
        Editor::MakeFolderQuietly(folder);
}

}  // namespace

bool load(const QString& frame, int n, AreaProperties& p)
{
    AreaPlacement placement = toRecord(p);
    const bool placed = bool(RecordFile::load(ProjectFiles::areaFile(frame, n, AreaPart::Placement), placement));
    fromRecord(placement, p);
    if (!placed || !loadActions(ProjectFiles::areaFile(frame, n, AreaPart::Action), p.actions)) {
        MsgBox(QStringLiteral("Unable to load Area properties."), Dialogs::Icon::Exclamation);
        return false;
    }
    // The object part changes only when the whole of its file could be read.
    PickableRecord object;
    if (RecordFile::load(ProjectFiles::areaFile(frame, n, AreaPart::Pickable), object)) {
        p.pickable = object.Pickable != 0;
        p.objectName = object.ObjectName;
        p.icon = object.Icon;
    }
    return true;
}

bool save(const QString& frame, int n, const AreaProperties& p)
{
    makeAreaFolder(frame);
    const QString placement = ProjectFiles::areaFile(frame, n, AreaPart::Placement);
    bool ok = !placement.isEmpty() && RecordFile::save(placement, toRecord(p)) &&
              RecordFile::save(ProjectFiles::areaFile(frame, n, AreaPart::Action), toRecord(p.actions)) &&
              RecordFile::save(ProjectFiles::areaFile(frame, n, AreaPart::Pickable), pickableOf(p));
    if (ok && p.pickable) {
        const QString path = ProjectFiles::objectFile(p.objectName);
        ok = !path.isEmpty() && RecordFile::save(path, ObjectFile{p.icon});
    }
    if (!ok)
        MsgBox(QStringLiteral("Unable to save Area properties. Please verify that project files are not Read-Only."),
               Dialogs::Icon::Exclamation);
    return ok;
}

bool loadEvent(const QString& frame, int n, const QString& object, AreaActions& actions)
{
    return loadActions(ProjectFiles::eventFile(frame, n, object), actions);
}

bool saveEvent(const QString& frame, int n, const QString& object, const AreaActions& actions)
{
    makeAreaFolder(frame);
    const QString path = ProjectFiles::eventFile(frame, n, object);
    if (!path.isEmpty() && RecordFile::save(path, toRecord(actions)))
        return true;
    MsgBox(QStringLiteral("Unable to save object information."), Dialogs::Icon::Exclamation);
    return false;
}

}  // namespace AreaPropertiesFiles
