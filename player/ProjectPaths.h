#pragma once

#include <QString>

// The five process-wide path values through which every project file is
// addressed. Each ends with a separator.
struct ProjectPaths {
    static inline QString ProjectPath;
    static inline QString FramesPath;
    static inline QString AreasPath;
    static inline QString IconsPath;
    static inline QString ConfigPath;

    // Sets ProjectPath (a separator is added when missing) and derives the
    // four folder paths from it.
    static void setProjectPath(const QString& projectPath);

    // The player locates its game from its own folder. A program that lies in
    // the root folder gets that root with a single separator.
    static void locateFromProgramFolder(const QString& programFolder);

    static void clear();
};
