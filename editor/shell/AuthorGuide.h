#pragma once

#include <QString>

// The author's guide, HTML pages laid out beside the editor in "guide/".
namespace AuthorGuide {

// The guide's first page (any letter case of "guide/index.html" beside the
// editor); empty when the guide is not installed there.
QString indexFile();

// Opens the guide's first page in the desktop's browser. Returns the message
// to show the author when it cannot: the guide is missing, or the desktop
// has no program for web pages. Empty when the browser was asked.
QString open();

}  // namespace AuthorGuide
