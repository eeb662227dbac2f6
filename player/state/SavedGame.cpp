#include "player/state/SavedGame.h"

#include "platform/FileNames.h"
#include "player/RecordReader.h"
#include "player/RecordWriter.h"

QStringList SavedGame::list(const QString& projectPath)
{
    QStringList names;
    const QStringList files = FileNames::list(projectPath, QStringLiteral("*.sav"));
    for (const QString& file : files) {
        if (file.size() > 4)
            names.append(file.left(file.size() - 4));
    }
    return names;
}

QString SavedGame::path(const QString& projectPath, const QString& name)
{
    return projectPath + name + QStringLiteral(".sav");
}

bool SavedGame::isValidName(const QString& name) { return FileNames::isPlainName(name); }

bool SavedGame::write(const QString& file, QString* error) const
{
    RecordWriter out;
    out.writeString(frame);
    out.writeInteger(variables.size());
    for (const auto& [name, value] : variables) {
        out.writeString(name);
        out.writeInteger(value);
    }
    out.writeInteger(disappeared.size());
    for (const auto& [name, value] : disappeared) {
        out.writeString(name);
        out.writeInteger(value);
    }
    out.writeInteger(inventory.size());
    for (const QString& object : inventory)
        out.writeString(object);
    return out.commit(file, error);
}

bool SavedGame::read(const QString& file, SavedGame& out)
{
    out = SavedGame();
    RecordReader in;
    if (!in.open(file) || !in.readString(out.frame))
        return false;
    // Every entry is read before it is kept, so a count the file does not
    // back with entries ends at the end of the file.
    auto readPairs = [&in](QList<QPair<QString, qint16>>& pairs) {
        qint32 count = 0;
        if (!in.readInt32(count))
            return false;
        for (qint32 i = 0; i < count; ++i) {
            QString name;
            qint16 value = 0;
            if (!in.readString(name) || !in.readInt16(value))
                return false;
            pairs.append({name, value});
        }
        return true;
    };
    if (!readPairs(out.variables) || !readPairs(out.disappeared))
        return false;
    qint16 count = 0;
    if (!in.readInt16(count))
        return false;
    for (qint16 i = 0; i < count; ++i) {
        QString object;
        if (!in.readString(object))
            return false;
        out.inventory.append(object);
    }
    return true;
}
