#include "player/PlayerApplication.h"

int PlayerApplication::run(const QString&) { return 0; }
