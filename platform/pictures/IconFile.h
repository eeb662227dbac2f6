#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

// A Windows icon (.ico) or cursor (.cur) file: a directory of images of
// several sizes and colour depths. Each image is a bitmap with an AND mask or,
// in newer files, a PNG. Cursor entries carry their hot spot.
class IconFile {
public:
    struct Entry {
        int width = 0;  // from the image itself once decoded, else the directory
        int height = 0;
        int bitCount = 0;
        QPoint hotSpot;  // cursors only
        qsizetype offset = 0;
        qsizetype size = 0;
    };

    // Reads the directory; false when the bytes are not an icon or cursor
    // file or an entry points outside them.
    bool read(const QByteArray& bytes);

    bool isCursor() const { return cursor_; }
    const QList<Entry>& entries() const { return entries_; }

    // The image of entry `index`, transparent where its mask says so; null
    // when it cannot be decoded.
    QImage image(int index) const;

    // The largest image, the deepest among equals: what a picture shows.
    int bestForPicture() const;
    // The image closest to the standard 32 x 32 pointer, the deepest among
    // equals: what a mouse pointer shows.
    int bestForPointer() const;

private:
    QByteArray bytes_;
    QList<Entry> entries_;
    bool cursor_ = false;
};
