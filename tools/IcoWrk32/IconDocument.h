#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

// The icon or mouse pointer being edited: a square picture of 16, 32 or 48
// pixels with straight (not premultiplied) alpha, where a pixel of alpha 0
// is transparent, and for a pointer the hot spot, the pixel that points.
// Every change the author makes is one undo step.
class IconDocument {
public:
    enum class Kind { Icon, Pointer };

    static constexpr int sizes[] = {16, 32, 48};
    static constexpr QRgb transparent = 0;
    static constexpr int maxUndoSteps = 100;

    // A transparent 32 x 32 icon.
    IconDocument();

    // Starts a new transparent picture; forgets the undo steps.
    void reset(int size, Kind kind);

    const QImage& image() const { return m_image; }
    int size() const { return m_image.width(); }
    Kind kind() const { return m_kind; }
    // Decides the file written: a pointer keeps its hot spot.
    void setKind(Kind kind);
    QPoint hotSpot() const { return m_hotSpot; }

    // Changes inside one undo step. `beginChange` keeps the state to return
    // to; `endChange` drops that step again when nothing changed, so undo
    // never has to undo nothing.
    void beginChange();
    void endChange();
    QImage& pixels() { return m_image; }
    // Kept inside the picture.
    void setHotSpot(QPoint spot);
    // Scales the picture to another of the editing sizes (nearest pixel, so
    // a picture stays made of whole pixels), moving the hot spot with it.
    void resize(int size);

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool undo();

    // Changed since it was made, opened or saved.
    bool isModified() const { return m_modified; }
    void setSaved() { m_modified = false; }

    // Takes the picture of an .ico or .cur file: the largest image of an
    // editing size, or else the largest image scaled to the nearest editing
    // size. A cursor file makes a pointer with the file's hot spot. False,
    // with the document unchanged, when the bytes hold no readable image.
    bool read(const QByteArray& bytes);
    // The picture as an .ico file, or as a .cur file for a pointer.
    QByteArray write() const;

    static bool isEditingSize(int size);
    static int nearestEditingSize(int size);

private:
    struct State {
        QImage image;
        QPoint hotSpot;
    };

    QImage m_image;
    Kind m_kind = Kind::Icon;
    QPoint m_hotSpot;
    QList<State> m_undo;
    bool m_modified = false;
};
