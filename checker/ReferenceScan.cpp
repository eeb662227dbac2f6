#include "checker/ReferenceScan.h"

#include "checker/FileVerdicts.h"
#include "checker/RelativePath.h"
#include "platform/FileNames.h"
#include "player/AreaFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"
#include "player/state/GameRecords.h"

namespace {

using Use = FileVerdicts::Use;
using Kind = Finding::Kind;

bool frameExists(const QString& frame)
{
    const QString path = ProjectFiles::frameFile(frame);
    return !path.isEmpty() && FileNames::exists(path);
}

}  // namespace

void ReferenceScan::add(Kind kind, const QString& frame, int n, const QString& file, const QString& message)
{
    m_findings.append({kind, frame, n, file, message, {}});
}

QList<Finding> ReferenceScan::scan()
{
    m_findings.clear();
    m_declared = m_records.variables().record.Names;
    const LoadedRecord<VariablesFile> variables = m_records.variables();
    const QString variablesFile = RelativePath::of(ProjectFiles::variables());
    if (!variables.read.complete)
        add(variables.read.opened ? Kind::UnreadableFile : Kind::MissingFile, QString(), 0, variablesFile,
            QStringLiteral("the list of variables cannot be read"));

    const QString start = ProjectRecord::current().StartingFrame;
    if (!frameExists(start))
        add(Kind::MissingFile, start, 0, RelativePath::of(ProjectFiles::general()),
            QStringLiteral("the starting frame '%1' does not exist").arg(start));

    for (const QString& frame : ProjectFiles::frames())
        scanFrame(frame);
    for (const QString& object : ProjectFiles::objects()) {
        const QString file = RelativePath::of(ProjectFiles::objectFile(object));
        const LoadedRecord<ObjectFile> record = m_records.object(object);
        if (!record.read.complete)
            add(Kind::UnreadableFile, QString(), 0, file, QStringLiteral("the object file cannot be read"));
        else
            named(QString(), 0, file, QStringLiteral("the icon of object '%1'").arg(object), record.record.Icon,
                  ProjectFiles::inAreas(record.record.Icon), Use::Picture);
    }
    return m_findings;
}

void ReferenceScan::scanFrame(const QString& frame)
{
    const QString file = RelativePath::of(ProjectFiles::frameFile(frame));
    const LoadedRecord<FrameFile> loaded = m_records.frame(frame);
    if (!loaded.read.complete) {
        add(Kind::UnreadableFile, frame, 0, file, QStringLiteral("the frame file cannot be read"));
        return;
    }
    const FrameFile& f = loaded.record;
    if (f.FrameKind == 1)
        named(frame, 0, file, QStringLiteral("the background"), f.Background, ProjectFiles::inFrames(f.Background),
              Use::Picture);
    if (!f.Soundtrack.isEmpty())
        named(frame, 0, file, QStringLiteral("the soundtrack"), f.Soundtrack, ProjectFiles::inFrames(f.Soundtrack),
              Use::Sound);
    if (!f.Video.isEmpty())
        named(frame, 0, file, QStringLiteral("the video"), f.Video, ProjectFiles::inFrames(f.Video), Use::Video);
    if (f.HasDuration && !f.DurationTarget.isEmpty())
        frameTarget(frame, 0, f.DurationTarget, file, QStringLiteral("the frame its duration goes to"));

    const LoadedRecord<LinksFile> links = m_records.links(frame);
    if (!links.read.complete) {
        add(Kind::UnreadableFile, frame, 0, RelativePath::of(ProjectFiles::linksFile(frame)),
            QStringLiteral("the number of areas cannot be read: the frame shows none"));
        return;
    }
    for (int n = 1; n <= links.record.LinksCount; ++n)
        scanArea(frame, n);
}

void ReferenceScan::scanArea(const QString& frame, int n)
{
    using Part = ProjectFiles::AreaPart;
    const QString areaFile = RelativePath::of(ProjectFiles::areaFile(frame, n, Part::Placement));
    const LoadedRecord<AreaPlacement> placement = m_records.placement(frame, n);
    if (!placement.read.complete) {
        add(placement.read.opened ? Kind::UnreadableFile : Kind::MissingFile, frame, n, areaFile,
            QStringLiteral("the area file cannot be read"));
    } else {
        const AreaPlacement& p = placement.record;
        if (p.HasPicture)
            named(frame, n, areaFile, QStringLiteral("the picture"), p.Picture, ProjectFiles::inAreas(p.Picture),
                  Use::Picture);
        if (AreaFile::hasCustomPointer(p.Pointer))
            named(frame, n, areaFile, QStringLiteral("the mouse pointer"), p.Pointer, ProjectFiles::inIcons(p.Pointer),
                  Use::Pointer);
        if (p.Conditional != 0) {
            for (const QString& name : p.MustBeZero + p.MustBeOne)
                variable(frame, n, name, areaFile, QStringLiteral("its condition"));
        }
    }

    const QString actionFile = RelativePath::of(ProjectFiles::areaFile(frame, n, Part::Action));
    const LoadedRecord<ActionRecord> action = m_records.action(frame, n);
    if (!action.read.complete)
        add(action.read.opened ? Kind::UnreadableFile : Kind::MissingFile, frame, n, actionFile,
            QStringLiteral("the action file cannot be read: a click shows \"Unable to complete area task.\""));
    else
        scanAction(frame, n, action.record, actionFile);

    const LoadedRecord<PickableRecord> pickable = m_records.pickable(frame, n);
    if (pickable.read.fields >= 2 && pickable.record.Pickable == 1) {
        const QString object = pickable.record.ObjectName;
        const QString objectPath = ProjectFiles::objectFile(object);
        if (objectPath.isEmpty() || !FileNames::exists(objectPath))
            add(Kind::MissingFile, frame, n, RelativePath::of(ProjectFiles::areaFile(frame, n, Part::Pickable)),
                QStringLiteral("the object '%1' it gives has no object file").arg(object));
    }

    for (const QString& object : ProjectFiles::eventFilesOf(frame, n)) {
        const QString eventFile = RelativePath::of(ProjectFiles::eventFile(frame, n, object));
        const LoadedRecord<ActionRecord> event = m_records.event(frame, n, object);
        if (!event.read.complete)
            add(Kind::UnreadableFile, frame, n, eventFile, QStringLiteral("the event file cannot be read"));
        else
            scanAction(frame, n, event.record, eventFile);
    }
}

void ReferenceScan::scanAction(const QString& frame, int n, const ActionRecord& action, const QString& file)
{
    if (action.ChangeVariable != 0 && (action.SetToZero || action.SetToOne || action.Invert))
        variable(frame, n, action.VariableName, file, QStringLiteral("its action"));
    if (action.PlaySound != 0)
        named(frame, n, file, QStringLiteral("the sound"), action.Sound, ProjectFiles::inAreas(action.Sound),
              Use::Sound);
    if (action.StopGame == 0 && action.GoToFrame != 0)
        frameTarget(frame, n, action.TargetFrame, file, QStringLiteral("the frame it goes to"));
}

void ReferenceScan::frameTarget(const QString& frame, int n, const QString& target, const QString& file,
                                const QString& what)
{
    if (!frameExists(target))
        add(Kind::MissingFile, frame, n, file, QStringLiteral("%1, '%2', does not exist").arg(what, target));
}

void ReferenceScan::variable(const QString& frame, int n, const QString& name, const QString& file, const QString& what)
{
    // Variables are named exactly, letter case included.
    if (!m_declared.contains(name))
        add(Kind::UndeclaredVariable, frame, n, file,
            QStringLiteral("%1 uses the variable '%2', which is not declared").arg(what, name));
}

void ReferenceScan::named(const QString& frame, int n, const QString& file, const QString& what, const QString& name,
                          const QString& path, Use use)
{
    switch (m_files.of(path, use)) {
    case FileVerdicts::Verdict::Readable:
        break;
    case FileVerdicts::Verdict::Missing:
        add(Kind::MissingFile, frame, n, file, QStringLiteral("%1, '%2', does not exist").arg(what, name));
        break;
    case FileVerdicts::Verdict::Unreadable:
        add(Kind::UnreadableFile, frame, n, file, QStringLiteral("%1, '%2', cannot be read by the player").arg(what, name));
        break;
    }
}
