#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// An installer script as the distribution dialog writes it: [Setup] settings,
// the folders to make ([Dirs]), the files to copy ([Files]) and the
// start-menu entries ([Icons]). Values keep the script's own notation:
// backslashes, and the constants {app}, {pf}, {sys} and {group}.
struct InnoScript {
    struct File {
        QString source;       // relative to SourceDir, may end in a wildcard
        QString destination;  // {app}\..., {sys}
        QStringList flags;
    };
    struct Icon {
        QString name;      // {group}\...
        QString filename;  // {app}\...
    };

    QMap<QString, QString> setup;  // keys in lower case
    QStringList dirs;
    QList<File> files;
    QList<Icon> icons;

    // Reads `text`; lines it does not understand are skipped. False with the
    // line in `error` when [Setup] lacks AppName or SourceDir.
    static bool parse(const QString& text, InnoScript& script, QString* error = nullptr);

    QString value(const QString& key) const { return setup.value(key.toLower()); }
};
