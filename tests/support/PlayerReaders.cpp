#include "support/PlayerReaders.h"

#include "player/AreaFile.h"
#include "player/state/DiskGameRecords.h"

namespace PlayerReaders {

std::optional<bool> isVisible(const QString& frame, int n, const VariablesCollection& disappeared,
                              const VariablesCollection& variables)
{
    DiskGameRecords records;
    const LoadedRecord<AreaPlacement> condition = records.condition(frame, n);
    return AreaFile::isVisible(condition.record, condition.read, frame, n, disappeared, variables);
}

ActionOutcome runAction(const QString& frame, int n, ActionEffects& effects)
{
    DiskGameRecords records;
    const LoadedRecord<ActionRecord> action = records.action(frame, n);
    return ActionRunner::run(action.record, action.read, qint16(n), 0, effects);
}

ActionOutcome runEvent(const QString& frame, int n, const QString& object, qint16 objectIndex, ActionEffects& effects)
{
    DiskGameRecords records;
    const LoadedRecord<ActionRecord> event = records.event(frame, n, object);
    return ActionRunner::run(event.record, event.read, qint16(n), objectIndex, effects);
}

}  // namespace PlayerReaders
