#pragma once

#include "checker/FileVerdicts.h"
#include "checker/Finding.h"

#include <QList>
#include <QStringList>

class GameRecords;
struct ActionRecord;

// Reads every file of a project that a game can use (the starting frame,
// every frame, its areas, their actions and events, the objects) and finds
// what they name that is not there or cannot be used: go-to and duration
// targets, pictures, pointers, sounds, soundtracks, videos and icons (letter
// case ignored, as the player finds files), record files that cannot be
// read, and variables that are used but not declared. The project's paths
// and record must be set.
class ReferenceScan {
public:
    ReferenceScan(GameRecords& records, FileVerdicts& files) : m_records(records), m_files(files) {}

    QList<Finding> scan();

private:
    void scanFrame(const QString& frame);
    void scanArea(const QString& frame, int n);
    void scanAction(const QString& frame, int n, const ActionRecord& action, const QString& file);
    void frameTarget(const QString& frame, int n, const QString& target, const QString& file, const QString& what);
    void variable(const QString& frame, int n, const QString& name, const QString& file, const QString& what);
    // A file named by `file` (frame, area) for `use`; `path` is where it lies.
    void named(const QString& frame, int n, const QString& file, const QString& what, const QString& name,
               const QString& path, FileVerdicts::Use use);
    void add(Finding::Kind kind, const QString& frame, int n, const QString& file, const QString& message);

    GameRecords& m_records;
    FileVerdicts& m_files;
    QStringList m_declared;
    QList<Finding> m_findings;
};
