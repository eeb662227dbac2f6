#pragma once

#include <QString>

// Whether a file dialog's filter ("Graphic files (*.bmp *.gif)") offers
// `file`, as Qt's file dialogs read the patterns in its brackets.
bool filterTakes(const QString& filter, const QString& file);
