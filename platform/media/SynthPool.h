#pragma once

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
class SynthPool {
public:
    static SynthPool& instance();

    // The SoundFont to use: the file named by QUENDARA_SOUNDFONT when set,
    // else Debian's General MIDI SoundFont. Empty when none exists.
    static QString soundFontPath();

    // Makes the first synthesizer now, so the first MIDI starts quickly.
    bool preload();
    // A synthesizer reset to its initial state, or null when no SoundFont
    // can be loaded.
    fluid_synth_t* acquire();
    void release(fluid_synth_t* synth);

private:
    SynthPool() = default;
    ~SynthPool();
    fluid_synth_t* make();

    struct Synth {
        fluid_settings_t* settings = nullptr;
        fluid_synth_t* synth = nullptr;
        bool inUse = false;
    };
    std::vector<Synth> m_synths;
    bool m_failed = false;
};
