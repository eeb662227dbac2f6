#pragma once

#include <QString>
#include <QStringList>

// The files of `folder` that Qt's own file dialog lists under `filter`
// ("Graphic files (*.bmp *.gif)"), sorted: the dialog itself is asked, not a
// reading of the filter.
QStringList filesListed(const QString& filter, const QString& folder);

// Whether a file dialog given `filter` lists a file named `file`.
bool filterTakes(const QString& filter, const QString& file);
