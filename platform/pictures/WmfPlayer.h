#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// Plays a Windows metafile (.wmf), with or without the placeable header
// that drawing programs put in front of it, into a picture of the
// metafile's own size, transparent where nothing is drawn.
class WmfPlayer {
public:
    // True when the bytes start like a metafile of either kind.
    static bool recognizes(QByteArrayView bytes);

    // The drawn picture; null when the file is damaged or draws nothing
    // measurable.
    static QImage render(const QByteArray& bytes);
};
