#include "player/windows/ImageControl.h"

#include "player/windows/DragSource.h"
#include "player/windows/ScaledPicture.h"
#include "player/Twips.h"

#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

ImageControl::ImageControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAcceptDrops(true);
}

void ImageControl::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void ImageControl::setScale(int factor, bool sharp)
{
    m_scale = std::max(1, factor);
    m_sharp = sharp;
    update();
}

QPixmap ImageControl::shownPicture() const { return ScaledPicture::pixmap(m_picture, m_scale, m_sharp); }

void ImageControl::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    if (!m_stretch && !m_picture.isNull()) {
        const QSize size = m_picture.deviceIndependentSize().toSize();
        resize(size * m_scale);
        m_twips.setSize(QSizeF(Twips::fromPixels(size.width()), Twips::fromPixels(size.height())));
    }
    update();
}

void ImageControl::setTwipsGeometry(double left, double top, double width, double height)
{
    m_twips = QRectF(left, top, width, height);
    // Whole game pixels first, then the factor: controls stay on the grid
    // of the game's own pixels at every factor.
    const QRect pixels = Twips::toPixels(left, top, width, height);
    setGeometry(QRect(pixels.topLeft() * m_scale, pixels.size() * m_scale));
}

void ImageControl::clearPicture()
{
    m_picture = QPixmap();
    update();
}

void ImageControl::setPointer(const std::optional<QCursor>& pointer)
{
    m_customPointer = pointer.has_value();
    if (pointer)
        setCursor(ScaledPicture::cursor(*pointer, m_scale, m_sharp));
    else
        unsetCursor();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !m_sharp);
    if (m_stretch)
        painter.drawPixmap(rect(), m_picture);
    else if (m_scale > 1)
        painter.drawPixmap(QRect(QPoint(0, 0), m_picture.deviceIndependentSize().toSize() * m_scale), m_picture);
    else
        painter.drawPixmap(0, 0, m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    m_pressedInside = event->button() == Qt::LeftButton;
    event->accept();
    emit pressed(m_index, event->button(), event->position().toPoint());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = m_pressedInside && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressedInside = false;
    if (click)
        emit clicked(m_index);
}

void ImageControl::dragEnterEvent(QDragEnterEvent* event)
{
    // Every drag within the game is offered; the drop handler decides.
    if (DragSource::fromMime(event->mimeData()))
        event->acceptProposedAction();
}

void ImageControl::dragMoveEvent(QDragMoveEvent* event)
{
    if (DragSource::fromMime(event->mimeData()))
        event->acceptProposedAction();
}

void ImageControl::dropEvent(QDropEvent* event)
{
    QObject* source = DragSource::fromMime(event->mimeData());
    if (!source)
        return;
    event->acceptProposedAction();
    emit dropped(m_index, source, event->position().toPoint());
}
