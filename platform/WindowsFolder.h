#pragma once

#include <QString>

// What the editor uses where a Windows program used the Windows folder: a
// folder of the editor's data ("<data folder>/Quendara/windows"), or the
// folder that the environment variable QUENDARA_WINDOWS_FOLDER names. Given
// without a trailing separator, as the system gives the Windows folder.
QString WindowsFolder();
