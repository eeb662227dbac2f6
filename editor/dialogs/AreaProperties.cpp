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

// Copies between a record and the dialog's view of it, in the direction it
// was made for, so that each pair of fields is listed once for both ways. A
// record read from a file cut short keeps the dialog's values in the fields
// it did not reach, because it starts as a copy of them.
//
// The dialog shows the records' numbers as check boxes. A check box is
// written as 1 or 0; files of older tools may hold a Boolean (-1) in a flag,
// so anything but 0 is checked, as the game reads it. Stretch is read as the
// game reads it too, where nothing but 1 stretches.
class Mapping {
public:
    explicit Mapping(bool intoRecord) : m_intoRecord(intoRecord) {}

    bool intoRecord() const { return m_intoRecord; }

    template <typename T>
    void same(T& field, T& shown) const
    {
        if (m_intoRecord)
            field = shown;
        else
            shown = field;
    }
    void flag(qint16& field, bool& checked) const { box(field, checked, false); }
    void stretch(qint16& field, bool& checked) const { box(field, checked, true); }

private:
    void box(qint16& field, bool& checked, bool onlyOne) const
    {
        if (m_intoRecord)
            field = checked ? 1 : 0;
        else
            checked = onlyOne ? field == 1 : field != 0;
    }

    bool m_intoRecord;
};

void map(const Mapping& m, ActionRecord& r, AreaActions& a)
{
    m.flag(r.ChangeVariable, a.changeVariable);
    m.same(r.VariableName, a.variable);
    m.same(r.SetToZero, a.setTo0);
    m.same(r.SetToOne, a.setTo1);
    m.same(r.Invert, a.invert);
    m.flag(r.ShowMessage, a.showMessage);
    m.same(r.Message, a.message);
    m.flag(r.PlaySound, a.playSound);
    m.same(r.Sound, a.sound);
    m.flag(r.DisappearFlag, a.disappear);
    m.flag(r.StopGame, a.stopGame);
    m.flag(r.GoToFrame, a.goToFrame);
    m.same(r.TargetFrame, a.frame);
}

// The rectangle is written from the canvas and never read back into it.
void map(const Mapping& m, AreaPlacement& r, AreaProperties& p)
{
    if (m.intoRecord()) {
        r.Left = p.left;
        r.Top = p.top;
        r.Width = p.width;
        r.Height = p.height;
    }
    m.same(r.Transparent, p.transparent);
    m.same(r.HasPicture, p.hasPicture);
    m.same(r.Picture, p.picture);
    m.stretch(r.Stretch, p.stretch);
    m.same(r.Pointer, p.pointer);
    m.flag(r.Conditional, p.visibilityDependsOnVariables);
    m.same(r.MustBeZero, p.mustBeZero);
    m.same(r.MustBeOne, p.mustBeOne);
}

ActionRecord toRecord(AreaActions a)
{
    ActionRecord r;
    map(Mapping(true), r, a);
    return r;
}

AreaPlacement toRecord(AreaProperties p)
{
    AreaPlacement r;
    map(Mapping(true), r, p);
    return r;
}

PickableRecord pickableOf(const AreaProperties& p) { return {qint16(p.pickable ? 1 : 0), p.objectName, p.icon}; }

// Reads an action or event file over `actions`; false when it was not read whole.
bool loadActions(const QString& path, AreaActions& actions)
{
    ActionRecord record = toRecord(actions);
    const bool whole = bool(RecordFile::load(path, record));
    map(Mapping(false), record, actions);
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
    map(Mapping(false), placement, p);
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
