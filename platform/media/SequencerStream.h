#pragma once

#include "platform/media/AudioStream.h"

#include <atomic>
#include <vector>

typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

// Renders a MIDI player's synthesizer into the mixer. The player advances
// only while the synthesizer renders, so halting the rendering freezes the
// music where it is. Fields other than `ended` are read and written with the
// mixer's lock held.
class SequencerStream final : public AudioStream {
public:
    SequencerStream(fluid_synth_t* synth, fluid_player_t* player);

    void mixInto(qint16* out, int frames) override;

    fluid_player_t* player;
    bool running = false;
    // A tick to move to once the player has loaded the file (the player
    // loads it on the first block it renders); -1 for none.
    int pendingSeek = -1;
    // Set on the audio thread when the player's tick reaches the end of the
    // file: the last note has just been played. The synthesizer's own player
    // status changes only seconds later, after letting the notes ring out.
    std::atomic<bool> ended{false};

private:
    fluid_synth_t* m_synth;
    std::vector<qint16> m_buffer;
};
