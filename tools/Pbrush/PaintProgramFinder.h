#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Finds the desktop's paint program: the first of a short list of paint
// programs, simplest first, that is installed in one of the folders of a
// search path (a PATH value: folders separated by ':').
class PaintProgramFinder {
public:
    struct Program {
        QString command;        // the program's file name
        QString debianPackage;  // the package that installs it; empty when Debian has none
    };

    static const QList<Program>& programs();
    // The Debian packages that would give one of the programs.
    static QStringList debianPackages();

    explicit PaintProgramFinder(const QString& searchPath);

    // The full path of the first program found, or an empty string.
    QString find() const;

private:
    QStringList m_folders;
};
