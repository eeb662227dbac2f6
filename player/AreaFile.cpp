#include "player/AreaFile.h"

#include "platform/FileNames.h"
#include "player/ProjectPaths.h"
#include "player/records/RecordReader.h"
#include "player/state/GameVariables.h"

namespace AreaFile {

QString path(const QString& frame, int n, const QString& suffix)
{
    if (!FileNames::isPlainName(frame))
        return {};
    return ProjectPaths::AreasPath + frame + QLatin1Char('/') + QString::number(n) + suffix;
}

bool readPlacement(const QString& file, AreaPlacement& p, int* step)
{
    int reached = 0;
    RecordReader in;
    bool ok = in.open(file) && in.readSingle(p.Left) && in.readSingle(p.Top) && in.readSingle(p.Width)
        && in.readSingle(p.Height);
    if (ok) {
        reached = 1;
        ok = in.readBoolean(p.Transparent) && in.readBoolean(p.HasPicture) && in.readString(p.Picture)
            && in.readInt16(p.Stretch);
    }
    if (ok) {
        reached = 2;
        ok = in.readString(p.Pointer);
    }
    if (ok)
        reached = 3;
    if (step)
        *step = reached;
    return ok;
}

bool hasCustomPointer(const QString& pointer)
{
    return !pointer.isEmpty() && pointer.toLower() != QLatin1String("default");
}

std::optional<bool> isVisible(const QString& frame, int n, const VariablesCollection& disappeared,
                              const VariablesCollection& variables)
{
    RecordReader in;
    if (!in.open(path(frame, n, QStringLiteral("a.dat"))))
        return std::nullopt;
    for (const auto& entry : disappeared) {
        if (entry->Name == frame && entry->Value == n)
            return false;
    }
    RecordValue skipped;
    for (int field = 1; field <= 9; ++field) {
        if (!in.readValue(skipped))
            return std::nullopt;
    }
    qint16 conditional = 0;
    if (!in.readInt16(conditional))
        return std::nullopt;
    if (conditional == 0)
        return true;

    // A list is satisfied when each of its variables holds `wanted` or is
    // unknown (-1). Names are read one by one, so a count larger than the
    // file's names ends at the end of the file, not in a long loop.
    auto listHolds = [&in, &variables](qint16 wanted) -> std::optional<bool> {
        qint16 count = 0;
        if (!in.readInt16(count))
            return std::nullopt;
        for (qint16 i = 0; i < count; ++i) {
            QString name;
            if (!in.readString(name))
                return std::nullopt;
            const qint16 v = GameVariables::value(variables, name);
            if (v != wanted && v != -1)
                return false;
        }
        return true;
    };
    const std::optional<bool> zeros = listHolds(0);
    if (!zeros || !*zeros)
        return zeros;
    return listHolds(1);
}

}  // namespace AreaFile
