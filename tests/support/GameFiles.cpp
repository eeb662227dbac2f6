#include "support/GameFiles.h"

#include "player/records/RecordWriter.h"

#include <QBuffer>
#include <QDir>
#include <QImage>

namespace GameFiles {

namespace {

void commit(const TempProject& project, const QString& relative, const RecordWriter& out)
{
    project.write(relative, out.data());
}

void writeActionRecord(RecordWriter& out, const Action& a)
{
    out.writeInteger(a.changeVariable);
    out.writeString(a.variable);
    out.writeBoolean(a.setToZero);
    out.writeBoolean(a.setToOne);
    out.writeBoolean(a.invert);
    out.writeInteger(a.showMessage);
    out.writeString(a.message);
    out.writeInteger(a.playSound);
    out.writeString(a.sound);
    out.writeInteger(a.disappear);
    out.writeInteger(a.stopGame);
    out.writeInteger(a.goToFrame);
    out.writeString(a.target);
}

}  // namespace

void writeFrame(const TempProject& project, const QString& name, const Frame& f)
{
    RecordWriter out;
    out.writeInteger(f.kind);
    if (f.kind == 0)
        out.writeInteger(f.background.toLongLong());
    else
        out.writeString(f.background);
    out.writeBoolean(f.tiled);
    out.writeBoolean(f.stopSounds);
    out.writeString(f.soundtrack);
    out.writeBoolean(f.hasDuration);
    out.writeDouble(f.durationSeconds);
    out.writeString(f.durationTarget);
    out.writeString(f.video);
    out.writeBoolean(f.soundAfterVideo);
    commit(project, QStringLiteral("Frames/") + name + QStringLiteral(".fme"), out);
    RecordWriter links;
    links.writeInteger(f.links);
    commit(project, QStringLiteral("Frames/") + name + QStringLiteral(".lks"), links);
    QDir().mkpath(project.path() + QStringLiteral("Areas/") + name);
}

void writeArea(const TempProject& project, const QString& frame, int n, const Area& a)
{
    RecordWriter out;
    out.writeSingle(float(a.left));
    out.writeSingle(float(a.top));
    out.writeSingle(float(a.width));
    out.writeSingle(float(a.height));
    out.writeBoolean(a.transparent);
    out.writeBoolean(!a.transparent);
    out.writeString(a.picture);
    out.writeInteger(a.stretch);
    out.writeString(a.pointer);
    out.writeInteger(a.conditional);
    out.writeInteger(a.mustBeZero.size());
    for (const QString& name : a.mustBeZero)
        out.writeString(name);
    out.writeInteger(a.mustBeOne.size());
    for (const QString& name : a.mustBeOne)
        out.writeString(name);
    commit(project, QStringLiteral("Areas/%1/%2a.dat").arg(frame).arg(n), out);
}

void writeAction(const TempProject& project, const QString& frame, int n, const Action& action)
{
    RecordWriter out;
    writeActionRecord(out, action);
    commit(project, QStringLiteral("Areas/%1/%2b.dat").arg(frame).arg(n), out);
}

void writeEvent(const TempProject& project, const QString& frame, int n, const QString& object, const Action& action)
{
    RecordWriter out;
    writeActionRecord(out, action);
    commit(project, QStringLiteral("Areas/%1/%2_%3.drg").arg(frame).arg(n).arg(object), out);
}

void writePickable(const TempProject& project, const QString& frame, int n, const QString& object, const QString& icon)
{
    RecordWriter out;
    out.writeInteger(1);
    out.writeString(object);
    out.writeString(icon);
    commit(project, QStringLiteral("Areas/%1/%2c.dat").arg(frame).arg(n), out);
}

void writeObject(const TempProject& project, const QString& object, const QString& icon)
{
    RecordWriter out;
    out.writeString(icon);
    commit(project, QStringLiteral("Areas/") + object + QStringLiteral(".obj"), out);
}

void writeVariables(const TempProject& project, const QStringList& names)
{
    RecordWriter out;
    out.writeInteger(names.size());
    for (const QString& name : names)
        out.writeString(name);
    commit(project, QStringLiteral("Config/Variables"), out);
}

void writePicture(const TempProject& project, const QString& relative, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString lower = relative.toLower();
    const char* format = lower.endsWith(QLatin1String(".bmp")) ? "BMP"
        : lower.endsWith(QLatin1String(".jpg"))                 ? "JPEG"
        : lower.endsWith(QLatin1String(".gif"))                 ? "GIF"
        : lower.endsWith(QLatin1String(".ico"))                 ? "ICO"
                                                                : "PNG";
    image.save(&buffer, format);
    project.write(relative, bytes);
}

}  // namespace GameFiles
