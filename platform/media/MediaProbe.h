#pragma once

#include <QString>

// Whether the media layer would play a file, without opening any device:
// each answer is 0, or the Mci error code opening the file would give
// (FileNotFound, InvalidFile). For whatever judges a game's files before
// anyone plays them.
namespace MediaProbe {

// A sound for the "waveaudio" device.
int wave(const QString& path);
// A Standard MIDI File for the "sequencer" device.
int midi(const QString& path);
// A video for the "avivideo" device: it must open and give its first picture.
int video(const QString& path);

}  // namespace MediaProbe
