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
    s.synth = new_fluid_synth(s.settings);
    if (!s.synth || fluid_synth_sfload(s.synth, path.toLocal8Bit().constData(), 1) == FLUID_FAILED) {
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

void SynthPool::release(fluid_synth_t* synth)
{
    for (Synth& s : m_synths) {
        if (s.synth == synth)
            s.inUse = false;
    }
}
