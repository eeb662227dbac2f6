#include "platform/media/SynthPool.h"

#include "platform/media/AudioMixer.h"

#include <QFileInfo>
#include <QtDebug>

#include <fluidsynth.h>

#include <utility>

SynthPool& SynthPool::instance()
{
    static SynthPool pool;
    return pool;
}

SynthPool::~SynthPool()
{
    for (Synth& s : m_synths) {
        delete_fluid_synth(s.synth);
        delete_fluid_settings(s.settings);
    }
}

QString SynthPool::soundFontPath()
{
    const QString chosen = qEnvironmentVariable("QUENDARA_SOUNDFONT");
    if (!chosen.isEmpty())
        return QFileInfo::exists(chosen) ? chosen : QString();
    for (const char* candidate : {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                                  "/usr/share/soundfonts/default.sf2", "/usr/share/soundfonts/FluidR3_GM.sf2"}) {
        const QString path = QString::fromLatin1(candidate);
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

bool SynthPool::preload()
{
    if (!m_synths.empty())
        return true;
    return make() != nullptr;
}

fluid_synth_t* SynthPool::make()
{
    if (m_failed)
        return nullptr;
    const QString path = soundFontPath();
    if (path.isEmpty()) {
        qWarning("No General MIDI SoundFont found; MIDI files cannot be played");
        m_failed = true;
        return nullptr;
    }
    Synth s;
    s.settings = new_fluid_settings();
    fluid_settings_setnum(s.settings, "synth.sample-rate", AudioMixer::kRate);
    fluid_settings_setnum(s.settings, "synth.gain", 0.5);
    // The synthesizer is driven by the mixer's callback, never by a driver or
    // a timer of its own.
    fluid_settings_setstr(s.settings, "player.timing-source", "sample");
    fluid_settings_setint(s.settings, "synth.lock-memory", 0);
    // Samples are read when an instrument is selected and let go when no
    // channel has it any more.
    fluid_settings_setint(s.settings, "synth.dynamic-sample-loading", 1);
    // The player would reset the synthesizer when a file starts, on the audio
    // thread, giving every channel its default instrument and letting go of
    // those prepared for the file; prepare() resets it instead.
    fluid_settings_setint(s.settings, "player.reset-synth", 0);
    s.synth = new_fluid_synth(s.settings);
    // Loaded without giving the channels its instruments: nothing plays
    // yet, so no instrument's samples need to be in memory.
    if (s.synth)
        s.soundFont = fluid_synth_sfload(s.synth, path.toLocal8Bit().constData(), 0);
    if (!s.synth || s.soundFont == FLUID_FAILED) {
        qWarning("Cannot load the SoundFont %s", qPrintable(path));
        delete_fluid_synth(s.synth);
        delete_fluid_settings(s.settings);
        m_failed = true;
        return nullptr;
    }
    m_synths.push_back(s);
    return s.synth;
}

fluid_synth_t* SynthPool::acquire()
{
    for (Synth& s : m_synths) {
        if (!s.inUse) {
            s.inUse = true;
            return s.synth;
        }
    }
    fluid_synth_t* synth = make();
    if (synth)
        m_synths.back().inUse = true;
    return synth;
}

namespace {

// Controllers and pitch as a full reset leaves them, the channel's
// instrument untouched: a reset would give every channel its default
// instrument and read that instrument's samples, only to let them go again.
void resetControllers(fluid_synth_t* synth, int channel)
{
    fluid_synth_cc(synth, channel, 121, 0);  // reset all controllers
    // What "reset all controllers" keeps: effect depths, sound controllers,
    // bank, volume, pan and balance, and the pitch-bend range.
    for (int cc = 91; cc <= 95; ++cc)
        fluid_synth_cc(synth, channel, cc, 0);
    for (int cc = 70; cc <= 79; ++cc)
        fluid_synth_cc(synth, channel, cc, 64);
    const std::pair<int, int> values[] = {{0, 0}, {32, 0}, {7, 100}, {39, 0}, {10, 64}, {42, 0}, {8, 64}, {40, 0}};
    for (const auto& [cc, value] : values)
        fluid_synth_cc(synth, channel, cc, value);
    fluid_synth_pitch_wheel_sens(synth, channel, 2);
}

}  // namespace

void SynthPool::prepare(fluid_synth_t* synth, const MidiFile& file)
{
    int soundFont = -1;
    for (const Synth& s : m_synths) {
        if (s.synth == synth)
            soundFont = s.soundFont;
    }
    fluid_synth_all_sounds_off(synth, -1);
    for (int channel = 0; channel < MidiFile::kChannels; ++channel) {
        resetControllers(synth, channel);
        if (file.playsDefaultInstrument(channel)) {
            fluid_synth_program_change(synth, channel, 0);
            continue;
        }
        // The instrument the file's first program change will ask for is
        // already there when it comes; a program missing from its bank falls
        // back as a program change does: to the same program of bank 0, or
        // the standard drum kit.
        const std::optional<MidiFile::Instrument> first = file.firstInstrument(channel);
        const bool found =
            first
            && (fluid_synth_program_select(synth, channel, soundFont, first->bank, first->program) == FLUID_OK
                || fluid_synth_program_select(synth, channel, soundFont, first->bank == 128 ? 128 : 0,
                                              first->bank == 128 ? 0 : first->program)
                       == FLUID_OK);
        if (!found)
            fluid_synth_unset_program(synth, channel);
    }
}

void SynthPool::release(fluid_synth_t* synth)
{
    for (Synth& s : m_synths) {
        if (s.synth == synth)
            s.inUse = false;
    }
}
