#pragma once

#include <QString>

#include <functional>

// Hands a document or web address to the desktop, as the shell's "open" verb.
namespace Shell {

// Returns false when the desktop could not open it; callers may ignore that.
bool open(const QString& target);

// Tests and headless programs replace the desktop with a recorder.
void setOpener(std::function<bool(const QString&)> opener);

}  // namespace Shell
