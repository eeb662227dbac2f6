#pragma once

#include <QString>

#include <functional>

// The game's one way to play sound and video: command strings in the form of
// the Windows multimedia command interface ("open \"x.wav\" alias a type
// waveaudio wait", "play a", "status a mode", "close a"). The answer is 0 on
// success or one of the error codes below; `reply` receives the text answer
// of a status query and is emptied otherwise.
int mciSendString(const QString& command, QString& reply);

namespace Mci {

// Error codes, numbered as the Windows layer numbers them so that code that
// only tests for "not 0" and code that compares them behave alike.
enum Error : int {
    NoError = 0,
    InvalidDeviceId = 257,
    UnrecognizedKeyword = 259,
    UnrecognizedCommand = 261,
    HardwareError = 262,
    InvalidDeviceName = 263,
    OutOfMemory = 264,
    CannotLoadDriver = 266,
    MissingCommandString = 267,
    BadInteger = 270,
    MissingParameter = 273,
    UnsupportedFunction = 274,
    FileNotFound = 275,
    DeviceNotReady = 276,
    InternalError = 277,
    ExtensionNotFound = 281,
    OutOfRange = 282,
    DeviceTypeRequired = 287,
    DuplicateAlias = 289,
    BadConstant = 290,
    MissingDeviceName = 292,
    NoClosingQuote = 294,
    DuplicateFlags = 295,
    InvalidFile = 296,
    ExtraCharacters = 305,
};

// Whatever answers the command strings. Tests and headless programs install
// their own (see RecordingMci); without one, commands go to the real devices.
using Backend = std::function<int(const QString& command, QString& reply)>;

// Installs `backend` and returns the one it replaces; an empty function
// restores the real devices.
Backend setBackend(Backend backend);

// Loads the General MIDI SoundFont now rather than at the first MIDI file
// opened (about half a second with Debian's SoundFont). False when no
// SoundFont can be loaded; MIDI files then fail to open.
bool preloadMusic();

// Closes every device of the real layer and releases the audio output, so the
// next command opens it again with the current environment (tests switch
// SDL's audio driver this way). Does nothing to an installed backend.
void shutdownRealLayer();

}  // namespace Mci
