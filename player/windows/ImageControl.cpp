#include "player/windows/ImageControl.h"

#include "player/windows/DragSource.h"
#include "player/Twips.h"

#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>

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

void ImageControl::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    if (!m_stretch && !m_picture.isNull()) {
        const QSize size = m_picture.deviceIndependentSize().toSize();
        resize(size);
        m_twips.setSize(QSizeF(Twips::fromPixels(size.width()), Twips::fromPixels(size.height())));
    }
    update();
}

void ImageControl::setTwipsGeometry(double left, double top, double width, double height)
{
    m_twips = QRectF(left, top, width, height);
    setGeometry(Twips::toPixels(left, top, width, height));
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
        setCursor(*pointer);
    else
        unsetCursor();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
    } else {
        painter.drawPixmap(0, 0, m_picture);
    }
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
