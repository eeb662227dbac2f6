#include "editor/shell/windows/frmMain.h"
#include "editor/shell/JournalAction.h"
#include "editor/shell/windows/Mnemonics.h"

#include "editor/shell/AreaFiles.h"
#include "editor/shell/Editor.h"
#include "editor/shell/EditorAreas.h"
#include "editor/shell/windows/CanvasArea.h"
#include "editor/shell/windows/frmObjects.h"
#include "platform/pictures/Pictures.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/records/ColourNumber.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QMenu>
#include <QShortcut>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15.0;
// Smaller rectangles are taken for a slip of the mouse.
constexpr double kSmallestArea = 45.0;

QPixmap loadPicture(const QString& path)
{
    if (path.isEmpty())
        return {};
    return QPixmap::fromImage(Pictures::load(path));
}

QPointF toTwips(const QPoint& pixels) { return QPointF(pixels.x() * kTwipsPerPixel, pixels.y() * kTwipsPerPixel); }

void setStatus(int n) { ProcessState::StatusText = QString::number(n); }

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmMain"));
    setAccessibleName(QStringLiteral("Frame editor"));
    setWindowTitle(QStringLiteral("Frame editor"));
    setAutoFillBackground(true);

    BackImage = new QWidget(this);
    BackImage->setObjectName(QStringLiteral("BackImage"));
    BackImage->setAccessibleName(QStringLiteral("Frame background"));
    BackImage->setCursor(Qt::CrossCursor);
    // A rectangle being drawn follows the mouse whatever its buttons.
    BackImage->setMouseTracking(true);
    BackImage->setAcceptDrops(true);
    BackImage->installEventFilter(this);

    mnuAreaModify = new QMenu(QStringLiteral("Modify Area"), this);
    mnuAreaModify->setObjectName(QStringLiteral("mnuAreaModify"));
    mnuAreaModify->setAccessibleName(QStringLiteral("Modify Area"));
    QAction* properties = mnuAreaModify->addAction(QStringLiteral("Properties..."));
    properties->setObjectName(QStringLiteral("mnuAreaProperties"));
    mnuAreaModify->addSeparator();
    QAction* remove = mnuAreaModify->addAction(QStringLiteral("Remove!"));
    remove->setObjectName(QStringLiteral("mnuAreaRemove"));
    mnuAreaModify->addSeparator();
    QAction* cancel = mnuAreaModify->addAction(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("mnuAreaCancel"));
    connect(properties, &QAction::triggered, this, &frmMain::mnuAreaProperties_Click);
    connect(remove, &QAction::triggered, this, &frmMain::mnuAreaRemove_Click);
    connect(cancel, &QAction::triggered, this, &frmMain::mnuAreaCancel_Click);

    auto* insert = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    insert->setContext(Qt::WindowShortcut);
    connect(insert, &QShortcut::activated, this, &frmMain::drawAreaFromKeyboard);
    BackImage->setToolTip(QStringLiteral("Insert draws a new area from the keyboard; Tab goes from area to area, the "
                                         "arrows move it, Ctrl with the arrows sizes it, Enter opens its properties."));

    ChangeResolution();
    Mnemonics::assign(this);
}

void frmMain::ChangeResolution()
{
    const ProjectRecord& project = ProjectRecord::current();
    // A project record without a resolution still gives a canvas to draw on.
    const int width = project.ScreenWidth > 0 ? project.ScreenWidth : 640;
    const int height = project.ScreenHeight > 0 ? project.ScreenHeight : 480;
    BackImage->setGeometry(0, 0, width, height);
    resize(width, height);
}

void frmMain::showBackground(const FrameRecord& frame)
{
    QPalette colours = palette();
    m_picture = QPixmap();
    m_tile = QPixmap();
    m_tiled = false;
    if (frame.FrameKind == 0) {
        if (const auto colour = ColourNumber::fromText(frame.Background))
            colours.setColor(QPalette::Window, *colour);
    } else {
        colours.setColor(QPalette::Window, Qt::black);
        const QPixmap picture = loadPicture(ProjectFiles::inFrames(frame.Background));
        m_tiled = frame.Tiled;
        (m_tiled ? m_tile : m_picture) = picture;
    }
    setPalette(colours);
    update();
    BackImage->update();
}

CanvasArea* frmMain::addArea(int k, const QRectF& twips)
{
    auto* control = new CanvasArea(k, BackImage);
    control->setTwipsGeometry(twips);
    connect(control, &CanvasArea::moveFinished, this, &frmMain::areaMoveFinished);
    connect(control, &CanvasArea::resizeRequested, this, &frmMain::areaResizeRequested);
    connect(control, &CanvasArea::contextRequested, this, &frmMain::showAreaMenu);
    connect(control, &CanvasArea::objectDropped, this, &frmMain::areaObjectDropped);
    // The keyboard takes the pop-up menu's steps.
    connect(control, &CanvasArea::propertiesRequested, this, [this](int n) {
        m_popupArea = n;
        mnuAreaProperties_Click();
        focusArea(n);
    });
    connect(control, &CanvasArea::removeRequested, this, [this](int n) {
        m_popupArea = n;
        mnuAreaRemove_Click();
        focusArea(std::min(n, int(m_areas.size())));
    });
    m_areas.insert(k, control);
    control->show();
    control->raise();
    return control;
}

void frmMain::removeAreaControl(int k)
{
    if (CanvasArea* control = m_areas.take(k))
        delete control;
    BackImage->update();
}

void frmMain::applyLook(CanvasArea* control, const AreaPlacement& placement)
{
    QPixmap picture;
    if (!placement.Transparent && placement.HasPicture)
        picture = loadPicture(ProjectFiles::inAreas(placement.Picture));
    control->setPicture(picture, placement.Stretch == 1);
}

void frmMain::LoadEditorAreas()
{
    qDeleteAll(m_areas);
    m_areas.clear();
    const QList<AreaPlacement> areas = EditorAreas::LoadEditorAreas();
    for (int i = 0; i < areas.size(); ++i) {
        const AreaPlacement& a = areas[i];
        applyLook(addArea(i + 1, QRectF(a.Left, a.Top, a.Width, a.Height)), a);
    }
}

int frmMain::GetFreeAreaIndex() const
{
    int k = 1;
    while (m_areas.contains(k))
        ++k;
    return k;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != BackImage)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        if (!m_picture.isNull()) {
            QPainter painter(BackImage);
            painter.drawPixmap(BackImage->rect(), m_picture);
        }
        return true;
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        backgroundPressed(mouse->position().toPoint(), mouse->button());
        return true;
    }
    case QEvent::MouseMove:
        backgroundMoved(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        backgroundReleased();
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        // Objects dropped on the background mean nothing; areas are moved
        // by the mouse, not by drag and drop.
        event->ignore();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void frmMain::backgroundPressed(const QPoint& at, Qt::MouseButton button)
{
    BackImage->update();
    if (button != Qt::LeftButton || m_drawing != 0 || ProcessState::StatusText.toInt() != 0)
        return;
    m_drawing = GetFreeAreaIndex();
    setStatus(m_drawing);
    const QPointF corner = toTwips(at);
    addArea(m_drawing, QRectF(corner, QSizeF(1, 1)));
}

void frmMain::backgroundMoved(const QPoint& at)
{
    CanvasArea* control = m_areas.value(m_drawing);
    if (!control)
        return;
    // The rectangle grows only to the right and downwards from the press.
    const QRectF twips = control->twipsGeometry();
    const QPointF to = toTwips(at);
    const double width = to.x() - twips.left() > 0 ? to.x() - twips.left() : 1;
    const double height = to.y() - twips.top() > 0 ? to.y() - twips.top() : 1;
    control->setTwipsGeometry(QRectF(twips.topLeft(), QSizeF(width, height)));
}

void frmMain::backgroundReleased()
{
    const int k = m_drawing;
    m_drawing = 0;
    if (!m_areas.contains(k))
        return;
    finishNewArea(k);
}

bool frmMain::finishNewArea(int k)
{
    const QRectF twips = m_areas.value(k)->twipsGeometry();
    bool kept = false;
    {
        // The area's files and the frame's new count are one action.
        JournalAction action(QStringLiteral("draw area %1").arg(k));
        if (twips.width() >= kSmallestArea && twips.height() >= kSmallestArea)
            emit newAreaDrawn(k, twips, &kept);
        if (kept)
            Editor::WriteLinksFile(qint16(FrameRecord::current().LinksCount + 1));
    }
    if (!kept)
        removeAreaControl(k);
    setStatus(0);
    // The dialog may have given the new area a picture: show it as saved.
    if (kept)
        LoadEditorAreas();
    return kept;
}

void frmMain::drawAreaFromKeyboard()
{
    if (m_drawing != 0 || ProcessState::StatusText.toInt() != 0)
        return;
    const int k = GetFreeAreaIndex();
    setStatus(k);
    const QSize size(std::max(4, std::min(96, BackImage->width() / 4)), std::max(4, std::min(64, BackImage->height() / 4)));
    const QPoint corner((BackImage->width() - size.width()) / 2, (BackImage->height() - size.height()) / 2);
    addArea(k, QRectF(toTwips(corner), QSizeF(size) * kTwipsPerPixel));
    if (finishNewArea(k))
        focusArea(k);
}

void frmMain::areaMoveFinished(int k, QPointF topLeftTwips, QPoint releasedAt)
{
    CanvasArea* control = m_areas.value(k);
    // Released away from the canvas: the area stays where it was.
    if (!control || !BackImage->rect().contains(releasedAt))
        return;
    placeArea(k, QRectF(QPointF(std::round(topLeftTwips.x()), std::round(topLeftTwips.y())), control->twipsGeometry().size()),
              QStringLiteral("move area %1").arg(k));
}

void frmMain::areaResizeRequested(int k, QRectF twips)
{
    // An area keeps the smallest size a drawn one may have, and stays on the canvas.
    const QRectF canvas(QPointF(0, 0), QSizeF(BackImage->size()) * kTwipsPerPixel);
    if (!m_areas.contains(k) || twips.width() < kSmallestArea || twips.height() < kSmallestArea ||
        twips.right() > canvas.right() || twips.bottom() > canvas.bottom())
        return;
    placeArea(k, QRectF(twips.topLeft(), QSizeF(std::round(twips.width()), std::round(twips.height()))),
              QStringLiteral("resize area %1").arg(k));
}

void frmMain::placeArea(int k, const QRectF& twips, const QString& what)
{
    m_areas.value(k)->setTwipsGeometry(twips);
    setStatus(k);
    {
        JournalAction action(what);
        emit areaMoved(k, twips);
    }
    setStatus(0);
}

void frmMain::focusArea(int k)
{
    if (CanvasArea* control = m_areas.value(k))
        control->setFocus(Qt::OtherFocusReason);
}

void frmMain::areaObjectDropped(int k, const QString& object)
{
    if (!m_areas.contains(k) || object.isEmpty())
        return;
    setStatus(k);
    ProcessState::EventObjectName = object;
    emit objectDropped(k, object);
    setStatus(0);
    ProcessState::EventObjectName.clear();
    emit eventsChanged();
}

void frmMain::showAreaMenu(int k, const QPoint& globalPosition)
{
    m_popupArea = k;
    mnuAreaModify->popup(globalPosition);
}

void frmMain::mnuAreaProperties_Click()
{
    CanvasArea* control = m_areas.value(m_popupArea);
    if (!control)
        return;
    setStatus(m_popupArea);
    emit areaPropertiesRequested(m_popupArea, control->twipsGeometry());
    setStatus(0);
    // The dialog may have changed the area's look.
    LoadEditorAreas();
}

void frmMain::mnuAreaRemove_Click()
{
    if (!m_areas.contains(m_popupArea))
        return;
    AreaFiles::RemoveArea(FrameRecord::current().Name, qint16(m_popupArea));
    m_popupArea = 0;
    setStatus(0);
    // The last area took the removed one's number: read them all again.
    LoadEditorAreas();
    emit eventsChanged();
}

void frmMain::mnuAreaCancel_Click()
{
    setStatus(0);
    m_popupArea = 0;
}

void frmMain::paintEvent(QPaintEvent*)
{
    // A tile without a size would never advance: the window colour stays.
    if (!m_tiled || m_tile.width() <= 0 || m_tile.height() <= 0)
        return;
    QPainter painter(this);
    for (int x = 0; x <= width(); x += m_tile.width())
        for (int y = 0; y <= height(); y += m_tile.height())
            painter.drawPixmap(x, y, m_tile);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closedByAuthor();
}
