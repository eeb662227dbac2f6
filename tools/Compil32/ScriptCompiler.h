#pragma once

#include <QString>

#include <functional>

// Builds the installer of a script file as Output/Setup.exe in the script's
// folder, as the compiler's window does on "Start" and as "Compil32.exe /cc
// SCRIPT" does without a window.
namespace ScriptCompiler {

// Where the installer of `scriptFile` is written.
QString output(const QString& scriptFile);

// Reads, checks and builds; each step goes to `log`. False with the reason
// in `error`.
bool compile(const QString& scriptFile, const std::function<void(const QString&)>& log, QString* error);

}  // namespace ScriptCompiler
