#include "platform/media/SynthPool.h"

#include "platform/media/AudioMixer.h"

#include <QFileInfo>
#include <QtDebug>

#include <fluidsynth.h>

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
    fluid_settings_setint(s.settings, "synth.midi-channels", kMidiChannels + kHolderChannels);
    // The player would reset the synthesizer when a file starts, on the audio
    // thread, letting go of the instruments prepared for it; prepare() resets
    // it instead.
    fluid_settings_setint(s.settings, "player.reset-synth", 0);
    s.synth = new_fluid_synth(s.settings);
    if (s.synth)
        s.soundFont = fluid_synth_sfload(s.synth, path.toLocal8Bit().constData(), 1);
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
            fluid_synth_system_reset(s.synth);
            return s.synth;
        }
    }
    fluid_synth_t* synth = make();
    if (synth)
        m_synths.back().inUse = true;
    return synth;
}

void SynthPool::prepare(fluid_synth_t* synth, const QList<MidiFile::Instrument>& instruments)
{
    int soundFont = -1;
    for (const Synth& s : m_synths) {
        if (s.synth == synth)
            soundFont = s.soundFont;
    }
    fluid_synth_system_reset(synth);
    int channel = kMidiChannels;
    for (const MidiFile::Instrument& instrument : instruments) {
        if (channel == kMidiChannels + kHolderChannels)
            break;  // the rest are read when the music selects them
        // A program missing from its bank falls back as a program change
        // does: to the same program of bank 0, or the standard drum kit.
        const bool found =
            fluid_synth_program_select(synth, channel, soundFont, instrument.bank, instrument.program) == FLUID_OK ||
            fluid_synth_program_select(synth, channel, soundFont, instrument.bank == 128 ? 128 : 0,
                                       instrument.bank == 128 ? 0 : instrument.program) == FLUID_OK;
        if (found)
            ++channel;
    }
}

void SynthPool::release(fluid_synth_t* synth)
{
    for (Synth& s : m_synths) {
        if (s.synth == synth)
            s.inUse = false;
    }
}
