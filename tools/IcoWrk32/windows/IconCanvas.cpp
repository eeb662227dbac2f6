#include "tools/IcoWrk32/windows/IconCanvas.h"

#include "tools/IcoWrk32/IconDocument.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

IconCanvas::IconCanvas(QWidget* parent) : QWidget(parent)
{
    setFixedSize(side, side);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAccessibleName(QStringLiteral("Picture"));
    setAccessibleDescription(QStringLiteral("Left button draws with the drawing colour, right button with transparency."));
}

void IconCanvas::setDocument(const IconDocument* document)
{
    m_document = document;
    update();
}

int IconCanvas::cellSize() const { return m_document ? side / m_document->size() : 1; }

QPoint IconCanvas::pixelAt(QPoint position) const
{
    const int cell = cellSize();
    return QPoint(int(std::floor(double(position.x()) / cell)), int(std::floor(double(position.y()) / cell)));
}

QRect IconCanvas::cellRect(QPoint pixel) const
{
    const int cell = cellSize();
    return QRect(pixel.x() * cell, pixel.y() * cell, cell, cell);
}

void IconCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_document)
        return;
    const QImage& image = m_document->image();
    const int cell = cellSize();
    const int half = std::max(1, cell / 2);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRect r = cellRect(QPoint(x, y));
            // The chequerboard shows through transparent and partly
            // transparent pixels alike.
            painter.fillRect(r, QColor(255, 255, 255));
            painter.fillRect(QRect(r.topLeft(), QSize(half, half)), QColor(204, 204, 204));
            painter.fillRect(QRect(r.topLeft() + QPoint(half, half), QSize(cell - half, cell - half)), QColor(204, 204, 204));
            painter.fillRect(r, QColor::fromRgba(image.pixel(x, y)));
        }
    }
    painter.setPen(QColor(160, 160, 160));
    for (int i = 0; i <= image.width(); ++i) {
        const int at = std::min(i * cell, side - 1);
        painter.drawLine(at, 0, at, side - 1);
        painter.drawLine(0, at, side - 1, at);
    }
    if (m_document->kind() == IconDocument::Kind::Pointer) {
        const QRect spot = cellRect(m_document->hotSpot());
        painter.setPen(QPen(QColor(255, 0, 0), 2));
        painter.drawLine(spot.left() - cell / 2, spot.center().y(), spot.right() + cell / 2, spot.center().y());
        painter.drawLine(spot.center().x(), spot.top() - cell / 2, spot.center().x(), spot.bottom() + cell / 2);
        painter.drawRect(spot.adjusted(1, 1, -1, -1));
    }
}

void IconCanvas::mousePressEvent(QMouseEvent* event)
{
    if (m_button != Qt::NoButton || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton))
        return;
    m_button = event->button();
    emit pressed(pixelAt(event->position().toPoint()), m_button);
}

void IconCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pixel = pixelAt(event->position().toPoint());
    if (m_button != Qt::NoButton)
        emit moved(pixel);
    emit hovered(pixel);
}

void IconCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != m_button)
        return;
    m_button = Qt::NoButton;
    emit released(pixelAt(event->position().toPoint()));
}
