#include "player/state/GameVariables.h"

#include "player/records/RecordSync.h"
#include "player/records/VariablesFile.h"

namespace GameVariables {

bool load(VariablesCollection& variables, const VariablesFile& file, const RecordRead& read)
{
    variables.clear();
    // The file keeps the names it read before a failure, in order; a count
    // that the file does not back with names ends at the end of the file.
    for (const QString& name : file.Names)
        variables.Add(name, 0);
    return read.complete;
}

bool load(VariablesCollection& variables, const QString& variablesFile)
{
    VariablesFile file;
    const RecordRead read = RecordFile::load(variablesFile, file);
    return load(variables, file, read);
}

void change(VariablesCollection& variables, const QString& name, qint16 newValue)
{
    // Members are compared through the const side, so that a collection
    // shared with a copy is only copied when a member really changes.
    const VariablesCollection& members = variables;
    for (qsizetype position = 1; position <= members.Count(); ++position) {
        if (members.Item(position)->Name != name)
            continue;
        ClassVariable* changed = variables.Item(position);
        changed->Value = newValue == -1 ? qint16(changed->Value ^ 1) : newValue;
    }
}

qint16 value(const VariablesCollection& variables, const QString& name)
{
    for (const ClassVariable& variable : variables) {
        if (variable.Name == name)
            return variable.Value;
    }
    return -1;
}

}  // namespace GameVariables
