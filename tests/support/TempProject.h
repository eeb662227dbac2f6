#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A project folder in a temporary directory, with helpers to write its files
// and to point the process-wide paths at it.
class TempProject {
public:
    TempProject();
    ~TempProject();

    QString path() const;  // ends with a separator
    // Writes `content` to `relative` (folders created), bytes as they stand.
    void write(const QString& relative, const QByteArray& content) const;
    // Writes lines joined by CR LF (and one at the end).
    void writeLines(const QString& relative, const QStringList& lines) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;

    // A minimal game: Config/General with the given name and size, and the
    // folders Frames, Areas, Icons. Points ProjectPaths at it.
    void makeGame(const QString& adventureName = QStringLiteral("Test Game"), int width = 640, int height = 480,
                  const QString& startingFrame = QStringLiteral("Start")) const;
    void usePaths() const;

private:
    QTemporaryDir m_dir;
};
