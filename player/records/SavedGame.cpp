#include "player/records/SavedGame.h"

#include "platform/FileNames.h"
#include "player/records/RecordSync.h"

void SavedGame::sync(RecordSync& s)
{
    s.string(frame);
    s.namedValues(variables);
    s.namedValues(disappeared);
    s.stringList(inventory);
}

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

bool SavedGame::write(const QString& file, QString* error) const { return RecordFile::save(file, *this, error); }

bool SavedGame::read(const QString& file, SavedGame& out)
{
    out = SavedGame();
    return bool(RecordFile::load(file, out));
}
