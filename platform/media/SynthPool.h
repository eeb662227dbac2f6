#pragma once

#include "platform/media/MidiFile.h"

#include <QString>

#include <memory>
#include <optional>
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
// memory: only those of the instruments selected on a channel are. A file's
// instruments are selected on channels above the sixteen MIDI ones when it
// is prepared, so their samples are read while the file opens and never
// while the music plays.
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

    // Channels the MIDI files play on; the ones above hold instruments.
    static constexpr int kMidiChannels = 16;
    static constexpr int kHolderChannels = 48;

private:
    SynthPool() = default;
    ~SynthPool();
    fluid_synth_t* make();

    struct Synth {
        fluid_settings_t* settings = nullptr;
        fluid_synth_t* synth = nullptr;
        int soundFont = -1;
        bool inUse = false;
        // The instrument of each holder channel.
        std::vector<std::optional<MidiFile::Instrument>> held;
    };
    std::vector<Synth> m_synths;
    bool m_failed = false;
};
