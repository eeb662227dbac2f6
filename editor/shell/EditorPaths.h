#pragma once

#include <QString>

// Where the editor finds what ships beside it: the player ("run.dat"), the
// icons every new project receives ("Icons"), the default projects folder
// ("Projects") and the outside programs it starts.
struct EditorPaths {
    // The folder that holds the editor program, ending with a separator.
    static inline QString ProgramPath;

    // Sets ProgramPath from `folder`, adding the separator when it lacks one.
    static void setProgramPath(const QString& folder);

    // Where the project dialogs open: the "Projects" folder beside the editor
    // (in any letter case); empty when there is none.
    static QString projectsFolder();
};
