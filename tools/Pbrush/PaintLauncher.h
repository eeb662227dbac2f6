#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starts the desktop's paint program in place of the Windows one, with the
// files it was given; when no paint program is installed, says which Debian
// packages would give one.
class PaintLauncher {
public:
    // Starts `program` with `arguments` without waiting; false when it
    // cannot be started.
    using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;

    // `searchPath` is a PATH value; the starter defaults to a detached process.
    explicit PaintLauncher(const QString& searchPath, Starter starter = {});

    // True when a paint program was started; otherwise a message says why.
    bool launch(const QStringList& files) const;

    static QString notInstalledMessage();
    static QString title() { return QStringLiteral("Paint"); }

private:
    QString m_searchPath;
    Starter m_start;
};
