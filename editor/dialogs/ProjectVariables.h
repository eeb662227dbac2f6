#pragma once

#include <QStringList>

// The project's list of game variables as the author keeps it: the names of
// Config/Variables, in order. Names are compared exactly, with case.
namespace ProjectVariables {

// Reads the names after the count (which is not trusted: names are read to
// the end of the file). Names read before a failure stay in `names`; the
// failure is told to the author.
bool load(QStringList& names);

// Replaces the variables file with the count and the names.
bool save(const QStringList& names);

// "Variable" + the smallest k from 1 written with at least two digits that
// no name equals: Variable01, Variable02, ... Variable100.
QString proposal(const QStringList& names);

// Whether `name` may be added: not empty, no quotation mark (told), not
// there already (told).
bool canAdd(const QStringList& names, const QString& name);

}  // namespace ProjectVariables
