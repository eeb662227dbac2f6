#pragma once

#include <QChar>
#include <QList>

class QAbstractButton;
class QWidget;

// Alt+letter keys for the buttons, check boxes, option buttons and tabs of
// a window, and for the labels that name a field (their buddy). The captions in the code stay the texts the author reads; the
// marker is added when the window is built, on a letter no other control the
// author can see at the same time has: a word's first letter where one is
// free, else any other letter of the caption. Controls on different pages of
// a tab widget, or on panels shown one at a time, are never seen together
// and may share letters. A caption that has a marker already keeps it.
namespace Mnemonics {

// Gives every button, tab and labelled field under `window` a letter. `pages` are widgets shown one
// at a time in place of each other (besides the tab widgets' pages, which
// are found).
void assign(QWidget* window, const QList<QWidget*>& pages = {});

// The letter of `text`'s marker, lower case; a null QChar when it has none.
QChar letterOf(const QString& text);

// `text` as it is drawn: the markers taken out, "&&" shown as "&".
QString withoutMarkers(const QString& text);

}  // namespace Mnemonics
