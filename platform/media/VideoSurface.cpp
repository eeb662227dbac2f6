#include "platform/media/VideoSurface.h"

#include <QPainter>

#include <algorithm>

VideoSurface::VideoSurface(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MciVideo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void VideoSurface::fitVideo(QSize videoSize)
{
    if (QWidget* parent = parentWidget()) {
        m_scale = std::max(1, parent->property("videoScale").toInt());
        m_sharp = parent->property("videoSharp").toBool();
    }
    setGeometry(QRect(QPoint(0, 0), videoSize * m_scale));
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
    else if (m_scale > 1) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !m_sharp);
        painter.drawImage(rect(), m_frame);
    } else
        painter.drawImage(0, 0, m_frame);
}
