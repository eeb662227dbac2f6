#include "platform/media/SequencerStream.h"

#include "platform/media/AudioMixer.h"

#include <fluidsynth.h>

SequencerStream::SequencerStream(fluid_synth_t* synth, fluid_player_t* player)
    : player(player)
    , m_synth(synth)
{
}

void SequencerStream::mixInto(qint16* out, int frames)
{
    if (!running)
        return;
    m_buffer.resize(size_t(frames) * AudioMixer::kChannels);
    fluid_synth_write_s16(m_synth, frames, m_buffer.data(), 0, 2, m_buffer.data(), 1, 2);
    AudioMixer::addClipped(out, m_buffer.data(), frames * AudioMixer::kChannels);

    const int total = fluid_player_get_total_ticks(player);
    if (total <= 0)
        return;  // not loaded yet
    if (pendingSeek >= 0) {
        fluid_player_seek(player, pendingSeek);
        pendingSeek = -1;
        return;
    }
    if (fluid_player_get_current_tick(player) >= total)
        ended = true;
}
