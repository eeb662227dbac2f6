#include "platform/media/SequencerDevice.h"

#include "platform/media/AudioMixer.h"
#include "platform/media/Mci.h"
#include "platform/media/SequencerStream.h"
#include "platform/media/SynthPool.h"

#include <QFile>

#include <fluidsynth.h>

std::unique_ptr<SequencerDevice> SequencerDevice::open(const QString& path, int& error)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        error = Mci::FileNotFound;
        return nullptr;
    }
    if (in.size() > MidiFile::kMaxBytes) {
        error = Mci::InvalidFile;
        return nullptr;
    }
    const QByteArray bytes = in.readAll();
    std::optional<MidiFile> file = MidiFile::parse(bytes);
    if (!file) {
        error = Mci::InvalidFile;
        return nullptr;
    }
    if (!AudioMixer::instance().ensureOpen()) {
        error = Mci::HardwareError;
        return nullptr;
    }
    fluid_synth_t* synth = SynthPool::instance().acquire();
    if (!synth) {
        error = Mci::CannotLoadDriver;
        return nullptr;
    }
    SynthPool::instance().prepare(synth, *file);
    fluid_player_t* player = makePlayer(synth, bytes);
    if (!player) {
        SynthPool::instance().release(synth);
        error = Mci::InvalidFile;
        return nullptr;
    }
    error = 0;
    return std::unique_ptr<SequencerDevice>(new SequencerDevice(std::move(*file), bytes, synth, player));
}

fluid_player_t* SequencerDevice::makePlayer(fluid_synth_t* synth, const QByteArray& bytes)
{
    fluid_player_t* player = new_fluid_player(synth);
    if (player && fluid_player_add_mem(player, bytes.constData(), size_t(bytes.size())) != FLUID_OK) {
        delete_fluid_player(player);
        player = nullptr;
    }
    return player;
}

SequencerDevice::SequencerDevice(MidiFile file, QByteArray bytes, fluid_synth_t* synth, fluid_player_t* player)
    : m_file(std::move(file))
    , m_bytes(std::move(bytes))
    , m_synth(synth)
    , m_stream(std::make_shared<SequencerStream>(synth, player))
{
}

SequencerDevice::~SequencerDevice()
{
    AudioMixer::instance().removeStream(m_stream.get());
    fluid_player_stop(m_stream->player);
    delete_fluid_player(m_stream->player);
    fluid_synth_all_sounds_off(m_synth, -1);
    SynthPool::instance().release(m_synth);
}

void SequencerDevice::refresh() const
{
    if (m_state == State::Playing && m_stream->ended) {
        m_state = State::Stopped;
        m_tick = m_file.totalTicks();
    }
}

int SequencerDevice::play()
{
    refresh();
    if (m_state == State::Playing)
        return 0;
    if (m_tick >= m_file.totalTicks())
        return 0;  // at the end: nothing left to play, as with the Windows layer
    {
        auto lock = AudioMixer::instance().lock();
        if (m_started && fluid_player_get_status(m_stream->player) != FLUID_PLAYER_PLAYING) {
            // A file played again starts from the synthesizer's initial
            // state, as the first time. Under the lock: instruments the
            // reset lets go of may still sound in the mixer otherwise.
            SynthPool::instance().prepare(m_synth, m_file);
            // The player let the last notes ring out and finished; a fresh
            // one starts the file again from the position asked for.
            fluid_player_t* fresh = makePlayer(m_synth, m_bytes);
            if (!fresh)
                return Mci::OutOfMemory;
            delete_fluid_player(m_stream->player);
            m_stream->player = fresh;
            m_stream->pendingSeek = -1;
            m_started = false;
        }
        if (!m_started) {
            fluid_player_play(m_stream->player);
            if (m_tick > 0)
                m_stream->pendingSeek = int(m_tick);
            m_started = true;
        }
        m_stream->running = true;
    }
    AudioMixer::instance().addStream(m_stream);
    m_state = State::Playing;
    return 0;
}

void SequencerDevice::halt(State state)
{
    refresh();
    if (m_state == State::Playing) {
        auto lock = AudioMixer::instance().lock();
        m_stream->running = false;
        if (m_stream->pendingSeek < 0)
            m_tick = fluid_player_get_current_tick(m_stream->player);
    }
    m_state = state;
}

int SequencerDevice::pause()
{
    refresh();
    if (m_state == State::Playing)
        halt(State::Paused);
    return 0;
}

int SequencerDevice::stop()
{
    halt(State::Stopped);
    auto lock = AudioMixer::instance().lock();
    fluid_synth_all_notes_off(m_synth, -1);
    return 0;
}

int SequencerDevice::seek(qint64 position)
{
    if (position < 0 || position > length())
        return Mci::OutOfRange;
    halt(State::Stopped);
    const qint64 tick = std::min(m_file.msToTicks(position), m_file.totalTicks());
    auto lock = AudioMixer::instance().lock();
    fluid_synth_all_notes_off(m_synth, -1);
    m_tick = tick;
    m_stream->ended = false;
    if (m_started) {
        if (fluid_player_get_total_ticks(m_stream->player) > 0)
            fluid_player_seek(m_stream->player, int(tick));
        else
            m_stream->pendingSeek = int(tick);
    }
    return 0;
}

qint64 SequencerDevice::position() const
{
    refresh();
    qint64 tick = m_tick;
    if (m_state == State::Playing) {
        auto lock = AudioMixer::instance().lock();
        if (m_stream->pendingSeek < 0 && fluid_player_get_total_ticks(m_stream->player) > 0)
            tick = fluid_player_get_current_tick(m_stream->player);
    }
    return m_file.ticksToMs(std::min(tick, m_file.totalTicks()));
}
