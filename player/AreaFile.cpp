#include "player/AreaFile.h"

#include "player/records/RecordSync.h"
#include "player/state/GameVariables.h"

namespace AreaFile {

int placementStep(const RecordRead& read)
{
    if (read.fields >= AreaPlacement::PointerFields)
        return 3;
    if (read.fields >= AreaPlacement::AppearanceFields)
        return 2;
    return read.fields >= AreaPlacement::RectangleFields ? 1 : 0;
}

bool hasCustomPointer(const QString& pointer)
{
    return !pointer.isEmpty() && pointer.toLower() != QLatin1String("default");
}

std::optional<bool> isVisible(const AreaPlacement& area, const RecordRead& read, const QString& frame, int n,
                              const VariablesCollection& disappeared, const VariablesCollection& variables)
{
    if (!read.opened)
        return std::nullopt;
    // A disappeared area is hidden before anything of its file is looked at.
    for (const ClassVariable& entry : disappeared) {
        if (entry.Name == frame && entry.Value == n)
            return false;
    }
    if (read.fields < AreaPlacement::ConditionalFields)
        return std::nullopt;
    if (area.Conditional == 0)
        return true;

    // A list is satisfied when each of its variables holds `wanted` or is
    // unknown (-1). The lists keep the names read before a file ended, so a
    // name that fails decides even then; a list that ended early and holds
    // only satisfied names leaves the decision open, as does a missing count.
    int needed = AreaPlacement::ConditionalFields + 1;
    auto listHolds = [&variables](const QStringList& names, qint16 wanted) {
        for (const QString& name : names) {
            const qint16 v = GameVariables::value(variables, name);
            if (v != wanted && v != -1)
                return false;
        }
        return true;
    };
    if (read.fields < needed)
        return std::nullopt;
    if (!listHolds(area.MustBeZero, 0))
        return false;
    needed += int(area.MustBeZero.size()) + 1;
    if (read.fields < needed)
        return std::nullopt;
    if (!listHolds(area.MustBeOne, 1))
        return false;
    if (!read.complete)
        return std::nullopt;
    return true;
}

}  // namespace AreaFile
