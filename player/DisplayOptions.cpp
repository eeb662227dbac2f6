#include "player/DisplayOptions.h"

#include "player/GameGeometry.h"

DisplayOptions& DisplayOptions::current()
{
    static DisplayOptions options;
    return options;
}

int DisplayOptions::factorFor(QSize screenPixels, int width, int height) const
{
    if (scale == kAuto)
        return GameGeometry::autoScale(screenPixels, width, height);
    return scale;
}
