#pragma once

#include <QString>

class RecordSync;

// The game's project record (Config/General), one process-wide instance.
struct ProjectRecord {
    QString ProjectName;
    QString RecordPath;
    QString AdventureName;
    qint16 ScreenSizeChoice = 0;
    QString StartingFrame;
    QString Version;
    qint16 ScreenWidth = 0;
    qint16 ScreenHeight = 0;
    QString AuthorName;
    QString AuthorEmail;
    QString AuthorHomepage;

    static ProjectRecord& current();

    // The eleven values of Config/General in file order. The sizes are read
    // as 16-bit numbers and written in the Double form, which for whole
    // numbers is the same text.
    void sync(RecordSync& s);

    // Reads the eleven values in order. On failure the fields read so far
    // keep their values and the rest stay empty or 0.
    bool load(const QString& generalPath);

    // Writes the eleven values; sizes are written as Doubles.
    bool save(const QString& generalPath, QString* error = nullptr) const;
};

// Reads ConfigPath + "General" into the current record after clearing the
// frame record. Returns false when the record could not be read completely.
bool LoadProjectRecord();

// The project-name check value: the sum of the name's Windows-1252 codes in a
// signed 16-bit integer, where an addition that would overflow is skipped.
qint16 ProjectNameChecksum(const QString& name);

// Project.dat holds the check value in the print convention: a blank in
// place of the sign of a positive number (" 294").
namespace ProjectDat {
bool write(const QString& projectPath, qint16 checksum, QString* error = nullptr);
bool read(const QString& projectPath, qint16& checksum);
}  // namespace ProjectDat
