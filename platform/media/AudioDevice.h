#pragma once

#include "platform/media/MciDevice.h"

// A sound device ("waveaudio", "sequencer") whose sound may play to its end
// on the audio thread at any moment: each answer about its state first
// notices that end.
class AudioDevice : public MciDevice {
public:
    bool isPlaying() const final
    {
        refresh();
        return m_state == State::Playing;
    }

    bool isPaused() const final
    {
        refresh();
        return m_state == State::Paused;
    }

protected:
    enum class State { Stopped, Playing, Paused };

    // Turns a sound that has played to its end into a stopped one at its
    // end.
    virtual void refresh() const = 0;

    mutable State m_state = State::Stopped;
};
