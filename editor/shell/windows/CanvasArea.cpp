#include "editor/shell/windows/CanvasArea.h"

#include "editor/shell/windows/frmObjects.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kTwipsPerPixel = 15.0;

bool carriesObject(const QMimeData* data) { return data && data->hasFormat(QLatin1String(frmObjects::kObjectMimeType)); }
}  // namespace

CanvasArea::CanvasArea(int index, QWidget* parent)
    : QWidget(parent)
    , m_index(index)
{
    setAcceptDrops(true);
    setMouseTracking(true);
    setCursor(Qt::SizeAllCursor);
    setFocusPolicy(Qt::StrongFocus);
    setIndex(index);
}

void CanvasArea::setIndex(int index)
{
    m_index = index;
    setObjectName(QStringLiteral("Area"));
    setAccessibleName(QStringLiteral("Area ") + QString::number(index));
    update();
}

void CanvasArea::setPicture(const QPixmap& picture, bool stretch)
{
    m_picture = picture;
    m_stretch = stretch;
    update();
}

void CanvasArea::setTwipsGeometry(const QRectF& twips)
{
    m_twips = twips;
    setAccessibleDescription(QStringLiteral("%1, %2, %3 x %4 twips")
                                 .arg(twips.left())
                                 .arg(twips.top())
                                 .arg(twips.width())
                                 .arg(twips.height()));
    // At least one pixel, so that a rectangle being drawn is seen at once.
    setGeometry(int(std::lround(twips.left() / kTwipsPerPixel)), int(std::lround(twips.top() / kTwipsPerPixel)),
                std::max(1, int(std::lround(twips.width() / kTwipsPerPixel))),
                std::max(1, int(std::lround(twips.height() / kTwipsPerPixel))));
}

void CanvasArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect inside = rect().adjusted(0, 0, -1, -1);
    const bool lit = m_hovered || hasFocus();
    const QColor outline = lit ? QColor(255, 160, 0) : QColor(0, 120, 215);
    if (m_picture.isNull()) {
        QColor tint = outline;
        tint.setAlpha(lit ? 90 : 45);
        painter.fillRect(rect(), tint);
    } else {
        if (m_stretch)
            painter.drawPixmap(rect(), m_picture);
        else
            painter.drawPixmap(0, 0, m_picture);
        if (lit) {
            QColor tint = outline;
            tint.setAlpha(60);
            painter.fillRect(rect(), tint);
        }
    }
    // A light line under a dashed one: the edge shows on dark and light
    // backgrounds alike.
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1));
    painter.drawRect(inside);
    painter.setPen(QPen(outline, 1, m_picture.isNull() ? Qt::DashLine : Qt::SolidLine));
    painter.drawRect(inside);

    // The area's number in a badge in its top left corner.
    QFont badgeFont = font();
    badgeFont.setBold(true);
    painter.setFont(badgeFont);
    const QString number = QString::number(m_index);
    const QFontMetrics metrics(badgeFont);
    const QRect badge(1, 1, std::min(width() - 2, metrics.horizontalAdvance(number) + 8), std::min(height() - 2, metrics.height() + 2));
    painter.fillRect(badge, outline);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, number);
}

void CanvasArea::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    update();
}

void CanvasArea::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

void CanvasArea::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        // Ctrl and the arrows move the right or the bottom edge.
        QSizeF grow;
        switch (event->key()) {
        case Qt::Key_Left: grow = QSizeF(-step, 0); break;
        case Qt::Key_Right: grow = QSizeF(step, 0); break;
        case Qt::Key_Up: grow = QSizeF(0, -step); break;
        case Qt::Key_Down: grow = QSizeF(0, step); break;
        default:
            QWidget::keyPressEvent(event);
            return;
        }
        emit resizeRequested(m_index, QRectF(m_twips.topLeft(), m_twips.size() + grow * kTwipsPerPixel));
        return;
    }
    QPoint by;
    switch (event->key()) {
    case Qt::Key_Left: by = QPoint(-step, 0); break;
    case Qt::Key_Right: by = QPoint(step, 0); break;
    case Qt::Key_Up: by = QPoint(0, -step); break;
    case Qt::Key_Down: by = QPoint(0, step); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit propertiesRequested(m_index);
        return;
    case Qt::Key_Delete:
        emit removeRequested(m_index);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // A move by whole pixels from where the area stands; the canvas decides
    // as it does for a drag, with the new corner as the release point.
    const QPointF corner = m_twips.topLeft() + QPointF(by) * kTwipsPerPixel;
    emit moveFinished(m_index, corner, QPoint(int(std::lround(corner.x() / kTwipsPerPixel)), int(std::lround(corner.y() / kTwipsPerPixel))));
}

void CanvasArea::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void CanvasArea::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CanvasArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        emit contextRequested(m_index, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_moved = false;
    m_grab = QPointF(std::round(event->position().x() * kTwipsPerPixel),
                     std::round(event->position().y() * kTwipsPerPixel));
    raise();
}

void CanvasArea::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    m_moved = true;
    const QPoint inParent = mapToParent(event->position().toPoint());
    move(int(std::lround(inParent.x() - m_grab.x() / kTwipsPerPixel)),
         int(std::lround(inParent.y() - m_grab.y() / kTwipsPerPixel)));
}

void CanvasArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    const QPoint inParent = mapToParent(event->position().toPoint());
    // Where the widget stands now is only a preview; the canvas decides.
    setTwipsGeometry(m_twips);
    if (!m_moved)
        return;
    // The preview followed the mouse in whole pixels; the new corner is
    // computed in twips from the release point and the grab offset.
    const QPointF corner(inParent.x() * kTwipsPerPixel - m_grab.x(), inParent.y() * kTwipsPerPixel - m_grab.y());
    emit moveFinished(m_index, corner, inParent);
}

void CanvasArea::dragEnterEvent(QDragEnterEvent* event)
{
    if (carriesObject(event->mimeData()))
        event->acceptProposedAction();
}

void CanvasArea::dragMoveEvent(QDragMoveEvent* event)
{
    if (carriesObject(event->mimeData()))
        event->acceptProposedAction();
}

void CanvasArea::dropEvent(QDropEvent* event)
{
    if (!carriesObject(event->mimeData()))
        return;
    event->acceptProposedAction();
    emit objectDropped(m_index,
                       QString::fromUtf8(event->mimeData()->data(QLatin1String(frmObjects::kObjectMimeType))));
}
