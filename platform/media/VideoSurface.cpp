#include "platform/media/VideoSurface.h"

#include <QPainter>

VideoSurface::VideoSurface(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MciVideo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void VideoSurface::showFrame(const QImage& frame)
{
    m_frame = frame;
    ++m_framesShown;
    update();
}

void VideoSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_frame.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(0, 0, m_frame);
}
