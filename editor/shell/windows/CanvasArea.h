#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRectF>
#include <QWidget>

// One clickable area on the frame editing canvas. Unlike the game window's
// areas it is always visible to the author: a transparent area is an
// outlined, lightly tinted rectangle with its number, an area with a picture
// shows it inside a thin outline. The area under the mouse is highlighted.
// It is moved by dragging it with the left button; the canvas decides where
// a move ends. From the keyboard an area takes the focus with Tab, moves with
// the arrow keys (one pixel, ten with Shift), opens its properties with
// Enter and is removed with Delete.
class CanvasArea : public QWidget {
    Q_OBJECT

public:
    CanvasArea(int index, QWidget* parent);

    int index() const { return m_index; }
    void setIndex(int index);

    void setPicture(const QPixmap& picture, bool stretch);
    bool hasPicture() const { return !m_picture.isNull(); }

    // Position and size in twips, as the area file holds them.
    void setTwipsGeometry(const QRectF& twips);
    QRectF twipsGeometry() const { return m_twips; }

signals:
    // Left button released after the area was dragged: where its top-left
    // corner would go (twips) and where the mouse was released, in the
    // coordinates of the area's parent.
    void moveFinished(int index, QPointF topLeftTwips, QPoint releasedAt);
    void contextRequested(int index, QPoint globalPosition);
    // Ctrl with an arrow key: the area's new rectangle (twips), one pixel
    // (ten with Shift) wider, narrower, taller or shorter.
    void resizeRequested(int index, QRectF twips);
    void propertiesRequested(int index);
    void removeRequested(int index);
    // An object from the objects list dropped on the area.
    void objectDropped(int index, const QString& object);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int m_index;
    QPixmap m_picture;
    bool m_stretch = false;
    bool m_hovered = false;
    QRectF m_twips;
    // While dragged: the grab offset inside the area (twips) and whether the
    // mouse has moved since the press.
    bool m_dragging = false;
    bool m_moved = false;
    QPointF m_grab;
};
