#pragma once

#include "platform/media/MidiFile.h"

#include <QString>

#include <memory>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

// FluidSynth synthesizers with the General MIDI SoundFont loaded. Loading the
// SoundFont takes far longer than a game may wait when a frame opens, so each
// synthesizer is made once and handed from one sequencer to the next. One
// sequencer holds one synthesizer while it is open; a second one is made only
// when two MIDI files are open at the same time.
//
// The SoundFont's samples (well over a hundred megabytes) are not all kept in
// memory: only those of the instruments selected on a channel are. Each
// channel gets the instrument a file starts it with when the file is
// prepared, so those samples are read while the file opens, not while the
// music plays (only an instrument changed later in a piece is read then).
class SynthPool {
public:
    static SynthPool& instance();

    // The SoundFont to use: the file named by QUENDARA_SOUNDFONT when set,
    // else Debian's General MIDI SoundFont. Empty when none exists.
    static QString soundFontPath();

    // Makes the first synthesizer now, so the first MIDI starts quickly.
    bool preload();
    // A synthesizer to prepare() for a file, or null when no SoundFont can be
    // loaded.
    fluid_synth_t* acquire();
    void release(fluid_synth_t* synth);
    // Resets `synth` to its initial state with the samples of the
    // instruments `file` plays loaded, and no others. Call it where waiting
    // is allowed, not on the audio thread.
    void prepare(fluid_synth_t* synth, const MidiFile& file);

private:
    SynthPool() = default;
    ~SynthPool();
    fluid_synth_t* make();

    struct Synth {
        fluid_settings_t* settings = nullptr;
        fluid_synth_t* synth = nullptr;
        int soundFont = -1;
        bool inUse = false;
    };
    std::vector<Synth> m_synths;
    bool m_failed = false;
};
