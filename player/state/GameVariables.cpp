#include "player/state/GameVariables.h"

#include "player/records/RecordReader.h"

namespace GameVariables {

bool load(VariablesCollection& variables, const QString& variablesFile)
{
    variables.clear();
    RecordReader in;
    qint16 count = 0;
    if (!in.open(variablesFile) || !in.readInt16(count))
        return false;
    // Each name is read from the file before it is added, so a count that the
    // file does not back with names ends at the end of the file.
    for (qint16 i = 0; i < count; ++i) {
        QString name;
        if (!in.readString(name))
            return false;
        variables.Add(name, 0);
    }
    return true;
}

void change(VariablesCollection& variables, const QString& name, qint16 newValue)
{
    for (const auto& variable : variables) {
        if (variable->Name != name)
            continue;
        variable->Value = newValue == -1 ? qint16(variable->Value ^ 1) : newValue;
    }
}

qint16 value(const VariablesCollection& variables, const QString& name)
{
    for (const auto& variable : variables) {
        if (variable->Name == name)
            return variable->Value;
    }
    return -1;
}

}  // namespace GameVariables
