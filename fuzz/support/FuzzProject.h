#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// Shared by the fuzz targets: a game folder that lives for the whole run,
// the Qt application some readers need, and the splitting of one input into
// the several files a target reads.
namespace FuzzProject {

// Starts a GUI application on the offscreen platform (pictures, fonts and
// windows need one). Call once, from LLVMFuzzerInitialize.
void startApplication(int* argc, char*** argv);

// The game folder, created on first use in /dev/shm when the machine has it
// (no disk writes per input), with Frames, Areas, Icons and Config, and the
// process-wide paths pointing at it. Ends with a separator.
const QString& folder();

// Writes `bytes` to `relative` inside the game folder (its folders are made
// as needed); an empty optional-file is still written, so that the reader
// sees an empty file rather than a missing one.
void write(const QString& relative, const QByteArray& bytes);
void remove(const QString& relative);

// Copies a file of the source tree (tests/data/..., demo/...) into the game
// folder; aborts when it is missing, so that a target never runs on less
// than it expects.
void copyFixture(const QString& sourceRelative, const QString& relative);

// One input split into up to `parts` files at the separator line below, so
// that seeds and findings stay readable. Missing parts are empty.
inline constexpr char kSeparator[] = "\n--next-file--\n";
std::vector<QByteArray> split(const uint8_t* data, size_t size, size_t parts);

// While a Guard lives, opening any file outside the game folder, or opening
// any file for writing, aborts the run with the offending path: the player
// reads only its own game. Qt's own start-up files (plugins, fonts,
// configuration under system folders) are allowed.
class Guard {
public:
    Guard();
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
};

}  // namespace FuzzProject
