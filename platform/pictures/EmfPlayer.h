#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// Plays an enhanced metafile (.emf) into a picture of the size its header's
// frame gives, transparent where nothing is drawn. EMF+ records, which
// newer programs hide in comments beside the ordinary records, are skipped:
// the ordinary records draw the same picture.
class EmfPlayer {
public:
    static bool recognizes(QByteArrayView bytes);

    // The drawn picture; null when the file is damaged.
    static QImage render(const QByteArray& bytes);
};
