#include "platform/media/MediaProbe.h"

#include "platform/FileNames.h"
#include "platform/media/AviDecoder.h"
#include "platform/media/Mci.h"
#include "platform/media/MidiFile.h"

#include <QFile>

#include <SDL.h>

namespace {

bool readAll(const QString& path, QByteArray& bytes, qint64 limit = -1)
{
    QFile file(FileNames::resolve(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (limit >= 0 && file.size() > limit)
        return true;  // left empty: no decoder accepts it
    bytes = file.readAll();
    return true;
}

}  // namespace

int MediaProbe::wave(const QString& path)
{
    QByteArray bytes;
    if (!readAll(path, bytes))
        return Mci::FileNotFound;
    // The same decoder the wave device loads through, without the mixer.
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    SDL_AudioSpec format;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!rw || !SDL_LoadWAV_RW(rw, 1, &format, &buffer, &length))
        return Mci::InvalidFile;
    SDL_FreeWAV(buffer);
    return 0;
}

int MediaProbe::midi(const QString& path)
{
    QByteArray bytes;
    if (!readAll(path, bytes, MidiFile::kMaxBytes))
        return Mci::FileNotFound;
    return MidiFile::parse(bytes) ? 0 : int(Mci::InvalidFile);
}

int MediaProbe::video(const QString& path)
{
    if (!FileNames::exists(path))
        return Mci::FileNotFound;
    AviDecoder decoder;
    if (const int error = decoder.open(FileNames::resolve(path)))
        return error;
    return decoder.decodeNextFrame() ? 0 : int(Mci::InvalidFile);
}
