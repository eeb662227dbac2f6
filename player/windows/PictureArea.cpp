#include "player/windows/PictureArea.h"

#include "platform/pictures/Pictures.h"
#include "player/state/GameView.h"
#include "player/windows/ImageControl.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PictureBox"));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    m_backImage = new ImageControl(this);
    m_backImage->setObjectName(QStringLiteral("BackImage"));
    m_backImage->setStretch(true);
}

void PictureArea::setScale(int factor, bool sharp)
{
    m_scale = std::max(1, factor);
    m_sharp = sharp;
    m_backImage->setScale(m_scale, sharp);
    update();
}

bool PictureArea::showBackground(const FrameBackground& background)
{
    bool shown = true;
    switch (background.kind) {
    case FrameBackground::Kind::Colour:
        m_backImage->clearPicture();
        m_tile = QPixmap();
        if (background.colour) {
            QPalette colour = palette();
            colour.setColor(QPalette::Window, *background.colour);
            setPalette(colour);
        }
        break;
    case FrameBackground::Kind::Picture: {
        // A picture that cannot be loaded leaves the background as it was.
        const QPixmap picture =
            background.picture.isEmpty() ? QPixmap() : QPixmap::fromImage(Pictures::load(background.picture));
        shown = !picture.isNull();
        if (background.tiled) {
            if (!picture.isNull()) {
                m_tile = picture;
                m_backImage->clearPicture();
            }
        } else {
            m_tile = QPixmap();
            if (!picture.isNull())
                m_backImage->setPicture(picture);
        }
        break;
    }
    case FrameBackground::Kind::Unchanged:
        break;
    }
    update();
    return shown;
}

std::vector<QPoint> PictureArea::tilePositions() const
{
    std::vector<QPoint> positions;
    if (m_tile.isNull() || !m_tiled)
        return positions;
    const int w = m_tile.width() * m_scale;
    const int h = m_tile.height() * m_scale;
    // Both loops include their end value, so the last row and column may be
    // cut at the edge.
    for (int x = 0; x <= width(); x += w) {
        for (int y = 0; y <= height(); y += h)
            positions.emplace_back(x, y);
    }
    return positions;
}

bool PictureArea::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        // Every key is the game's, also those that would move the focus.
        emit keyDown(static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape ? 27 : 0);
        return true;
    case QEvent::MouseButtonPress:
        // The picture area itself takes presses; the margin does not see them.
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

void PictureArea::paintEvent(QPaintEvent*)
{
    // The background colour is filled before this; the tiles go on it.
    const std::vector<QPoint> positions = tilePositions();
    if (positions.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !m_sharp);
    const QSize size = m_tile.size() * m_scale;
    for (const QPoint& p : positions)
        painter.drawPixmap(QRect(p, size), m_tile);
}
