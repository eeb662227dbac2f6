#include "platform/media/MidiFile.h"

#include <algorithm>
#include <limits>

namespace {

quint32 be32(const uchar* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

quint16 be16(const uchar* p)
{
    return quint16(p[0] << 8 | p[1]);
}

// A variable-length quantity: at most four bytes, seven bits each.
bool readVlq(const uchar* data, qint64 size, qint64& at, qint64& value)
{
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= size)
            return false;
        const uchar b = data[at++];
        value = (value << 7) | (b & 0x7F);
        if (!(b & 0x80))
            return true;
    }
    return false;
}

// Data bytes that follow a channel status byte.
int channelDataBytes(uchar status)
{
    switch (status & 0xF0) {
    case 0xC0:
    case 0xD0:
        return 1;
    default:
        return 2;
    }
}

}  // namespace

std::optional<MidiFile> MidiFile::parse(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 size = bytes.size();
    if (size < 14 || bytes.left(4) != "MThd")
        return std::nullopt;
    const quint32 headerLength = be32(data + 4);
    if (headerLength < 6 || qint64(headerLength) > size - 8)
        return std::nullopt;

    MidiFile file;
    file.m_format = be16(data + 8);
    const int declaredTracks = be16(data + 10);
    const quint16 division = be16(data + 12);
    if (file.m_format > 1 || declaredTracks < 1 || division == 0)
        return std::nullopt;
    if (file.m_format == 0 && declaredTracks != 1)
        return std::nullopt;
    if (division & 0x8000) {
        // Time code: frames per second in the high byte (negative), ticks per
        // frame in the low byte; 29 stands for 29.97 drop-frame, counted as 30.
        const int fps = -qint8(division >> 8);
        const int perFrame = division & 0xFF;
        if (fps <= 0 || perFrame == 0)
            return std::nullopt;
        file.m_ticksPerSecond = (fps == 29 ? 30 : fps) * perFrame;
    } else {
        file.m_ticksPerQuarter = division;
    }

    qint64 at = 8 + qint64(headerLength);
    while (at + 8 <= size && file.m_tracks < declaredTracks) {
        const quint32 chunkLength = be32(data + at + 4);
        const bool isTrack = bytes.mid(at, 4) == "MTrk";
        at += 8;
        if (qint64(chunkLength) > size - at)
            return std::nullopt;
        // Chunks of other kinds are skipped, as the format asks readers to.
        if (isTrack) {
            if (!file.readTrack(data + at, chunkLength))
                return std::nullopt;
            ++file.m_tracks;
        }
        at += chunkLength;
    }
    if (file.m_tracks != declaredTracks)
        return std::nullopt;
    std::stable_sort(file.m_tempos.begin(), file.m_tempos.end(),
                     [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
    return file;
}

bool MidiFile::readTrack(const uchar* data, qint64 size)
{
    qint64 at = 0;
    qint64 tick = 0;
    uchar running = 0;
    while (at < size) {
        qint64 delta = 0;
        if (!readVlq(data, size, at, delta))
            return false;
        tick += delta;
        // The synthesizer counts ticks in an int.
        if (tick > std::numeric_limits<int>::max())
            return false;
        if (at >= size)
            return false;
        uchar status = data[at];
        if (status == 0xFF) {
            if (at + 2 > size)
                return false;
            const uchar type = data[at + 1];
            at += 2;
            qint64 length = 0;
            if (!readVlq(data, size, at, length) || length > size - at)
                return false;
            if (type == 0x51 && length == 3) {
                const qint64 us = qint64(data[at]) << 16 | qint64(data[at + 1]) << 8 | data[at + 2];
                if (us > 0)
                    m_tempos.append({tick, us});
            }
            at += length;
            if (type == 0x2F)
                break;
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            ++at;
            qint64 length = 0;
            if (!readVlq(data, size, at, length) || length > size - at)
                return false;
            at += length;
            running = 0;
            continue;
        }
        if (status & 0x80) {
            if (status > 0xEF)
                return false;  // system messages other than SysEx do not belong in a file
            running = status;
            ++at;
        } else if (!running) {
            return false;
        }
        const int dataBytes = channelDataBytes(running);
        if (at + dataBytes > size)
            return false;
        noteChannelMessage(running, data + at);
        at += dataBytes;
    }
    m_totalTicks = std::max(m_totalTicks, tick);
    return true;
}

std::optional<MidiFile::Instrument> MidiFile::firstInstrument(int channel) const
{
    if (channel < 0 || channel >= kChannels)
        return std::nullopt;
    return m_first[channel];
}

bool MidiFile::playsDefaultInstrument(int channel) const
{
    return channel >= 0 && channel < kChannels && m_defaultInstrument[channel];
}

void MidiFile::noteChannelMessage(uchar status, const uchar* data)
{
    const int channel = status & 0x0F;
    constexpr int kDrumChannel = 9;
    switch (status & 0xF0) {
    case 0xB0:
        if (data[0] == 0)  // bank select, most significant byte
            m_bank[channel] = data[1] & 0x7F;
        break;
    case 0x90:
        if (data[1] != 0 && !m_programSeen[channel])
            m_defaultInstrument[channel] = true;
        break;
    case 0xC0:
        if (!m_programSeen[channel] && !m_defaultInstrument[channel])
            m_first[channel] = Instrument{channel == kDrumChannel ? 128 : m_bank[channel], data[0] & 0x7F};
        m_programSeen[channel] = true;
        break;
    default:
        break;
    }
}

qint64 MidiFile::ticksToMs(qint64 ticks) const
{
    if (m_ticksPerSecond)
        return ticks * 1000 / m_ticksPerSecond;
    // Sum the time of each stretch between tempo changes, in microseconds.
    qint64 us = 0;
    qint64 lastTick = 0;
    qint64 tempo = 500000;
    for (const Tempo& t : m_tempos) {
        if (t.tick >= ticks)
            break;
        us += (t.tick - lastTick) * tempo / m_ticksPerQuarter;
        lastTick = t.tick;
        tempo = t.usPerQuarter;
    }
    us += (ticks - lastTick) * tempo / m_ticksPerQuarter;
    return us / 1000;
}

qint64 MidiFile::msToTicks(qint64 ms) const
{
    if (m_ticksPerSecond)
        return ms * m_ticksPerSecond / 1000;
    const qint64 target = ms * 1000;
    qint64 us = 0;
    qint64 lastTick = 0;
    qint64 tempo = 500000;
    for (const Tempo& t : m_tempos) {
        const qint64 stretch = (t.tick - lastTick) * tempo / m_ticksPerQuarter;
        if (us + stretch >= target)
            break;
        us += stretch;
        lastTick = t.tick;
        tempo = t.usPerQuarter;
    }
    return lastTick + (target - us) * m_ticksPerQuarter / tempo;
}
