#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class RecordSync;

// A saved game: <name>.sav in the project folder, holding the frame on
// screen, the variables, the disappeared areas and the inventory.
struct SavedGame {
    QString frame;
    QList<QPair<QString, qint16>> variables;
    QList<QPair<QString, qint16>> disappeared;
    QStringList inventory;

    void sync(RecordSync& s);

    // The saved games of a project, without their ".sav", sorted without
    // regard to case. A file named only ".sav" is not one.
    static QStringList list(const QString& projectPath);

    // projectPath + name + ".sav", as shown in messages.
    static QString path(const QString& projectPath, const QString& name);

    // A typed name becomes a file name only when it is one plain name: no
    // separator, not "." or "..", no control character.
    static bool isValidName(const QString& name);

    bool write(const QString& file, QString* error = nullptr) const;

    // Reads `file`; on failure returns false and keeps in `out` what was read
    // before the failure, in the file's order.
    static bool read(const QString& file, SavedGame& out);
};
