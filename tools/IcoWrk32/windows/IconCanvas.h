#pragma once

#include <QWidget>

class IconDocument;

// The picture being edited, each pixel drawn as a square cell, transparent
// pixels as a chequerboard, a pointer's hot spot as a red cross. Reports
// presses, drags and releases by the pixel under the mouse; a drag that
// leaves the picture goes on reporting pixels outside it.
class IconCanvas : public QWidget {
    Q_OBJECT

public:
    static constexpr int side = 384;  // a multiple of every editing size

    explicit IconCanvas(QWidget* parent = nullptr);

    void setDocument(const IconDocument* document);

    int cellSize() const;
    // The pixel under a point of the widget, and the cell of a pixel.
    QPoint pixelAt(QPoint position) const;
    QRect cellRect(QPoint pixel) const;

    QSize sizeHint() const override { return QSize(side, side); }

signals:
    void pressed(QPoint pixel, Qt::MouseButton button);
    void moved(QPoint pixel);
    void released(QPoint pixel);
    void hovered(QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const IconDocument* m_document = nullptr;
    Qt::MouseButton m_button = Qt::NoButton;
};
