#pragma once

#include "player/state/VariablesCollection.h"

struct RecordRead;
struct VariablesFile;

// The rules of game variables over a collection.
namespace GameVariables {

// Empties `variables` and adds every name the variables file gave, with the
// value 0. Returns false when the file could not be read to its last name;
// the names read before stay.
bool load(VariablesCollection& variables, const VariablesFile& file, const RecordRead& read);
// The same from the file at `variablesFile`.
bool load(VariablesCollection& variables, const QString& variablesFile);

// 0 and 1 set, -1 inverts, anything else is taken over; every member with
// exactly that name changes.
void change(VariablesCollection& variables, const QString& name, qint16 newValue);

// The first member with exactly that name, or -1 when there is none.
qint16 value(const VariablesCollection& variables, const QString& name);

}  // namespace GameVariables
