// The variables file Config/Variables, read at every new game.

#include "fuzz/support/FuzzProject.h"
#include "player/records/ProjectFiles.h"
#include "player/state/GameVariables.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::folder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzProject::write(ProjectFiles::variables().mid(FuzzProject::folder().size()), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FuzzProject::Guard guard;
    VariablesCollection variables;
    GameVariables::load(variables, ProjectFiles::variables());
    // Every name needs at least one character of the file behind it.
    if (size_t(variables.Count()) > size) {
        std::fprintf(stderr, "variables: more names than the file holds\n");
        std::abort();
    }
    int checked = 0;
    // The names are walked in a copy, as the changes go into the collection.
    const VariablesCollection names = variables;
    for (const ClassVariable& variable : names) {
        if (++checked > 16)
            break;
        GameVariables::change(variables, variable.Name, -1);
        if (GameVariables::value(variables, variable.Name) != 1) {
            std::fprintf(stderr, "variables: an inverted new variable is not 1\n");
            std::abort();
        }
        GameVariables::change(variables, variable.Name, 0);
    }
    return 0;
}
