#pragma once

#include <QCursor>
#include <QPixmap>
#include <QWidget>

#include <optional>

// The image control of the game window: a picture, drawn stretched or at its
// own size. A control without a picture paints nothing but still takes clicks
// and drops and shows its mouse pointer; an unstretched control takes its
// picture's size; a control raised later lies above the earlier ones.
class ImageControl : public QWidget {
    Q_OBJECT

public:
    explicit ImageControl(QWidget* parent = nullptr);

    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);

    // Setting a picture on an unstretched control resizes it to the picture.
    void setPicture(const QPixmap& picture);
    void clearPicture();
    const QPixmap& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    // The game is drawn `factor` times its own size: geometry in twips stays
    // the game's, the widget and its picture and pointer grow. Set before
    // the geometry, the picture and the pointer.
    void setScale(int factor, bool sharp);
    int scale() const { return m_scale; }
    // The picture as it is drawn at the control's scale (for a drag icon).
    QPixmap shownPicture() const;

    // Position and size in twips, as the game's files and arithmetic hold
    // them; the widget is placed at the matching pixels.
    void setTwipsGeometry(double left, double top, double width, double height);
    QRectF twipsGeometry() const { return m_twips; }

    // The control's tag: the object name of an inventory icon.
    const QString& tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    // The standard pointer when `pointer` is empty.
    void setPointer(const std::optional<QCursor>& pointer);
    bool hasCustomPointer() const { return m_customPointer; }

signals:
    void clicked(int index);
    void dropped(int index, QObject* source, QPoint position);
    void pressed(int index, Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int m_index = 0;
    int m_scale = 1;
    bool m_sharp = false;
    bool m_stretch = false;
    bool m_customPointer = false;
    bool m_pressedInside = false;
    QPixmap m_picture;
    QRectF m_twips;
    QString m_tag;
};
