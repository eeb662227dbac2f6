#pragma once

#include <QMap>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

class CanvasArea;
class QMenu;
struct AreaPlacement;
struct FrameRecord;

// "Frame editor": the frame being edited at the game's resolution, with
// every clickable area on top of it. The author draws a new area on the
// background, moves an area by dragging it, opens its properties or removes
// it from its right-click menu, and drops objects from the objects list on
// it. Whatever needs the area dialog is asked for through the signals; while
// a request runs, StatusText holds the area's number, and "0" otherwise.
class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    // Sizes the background, and the window's inside, to the game's resolution.
    void ChangeResolution();
    // The background of `frame`: its colour, or its picture stretched or
    // tiled. A picture frame shows black where its picture does not reach.
    void showBackground(const FrameRecord& frame);
    // Replaces the areas on the canvas by those in the current frame's files.
    void LoadEditorAreas();
    // The smallest area number with no area on the canvas.
    int GetFreeAreaIndex() const;

    int areaCount() const { return int(m_areas.size()); }
    CanvasArea* area(int k) const { return m_areas.value(k); }
    const QPixmap& tilePicture() const { return m_tile; }

    // The "Modify Area" menu of area `k`, popped up at `globalPosition`.
    void showAreaMenu(int k, const QPoint& globalPosition);
    void mnuAreaProperties_Click();
    void mnuAreaRemove_Click();
    void mnuAreaCancel_Click();
    // Insert: a new area drawn from the keyboard, in the middle of the
    // frame, with its properties asked for as after a drawn rectangle.
    void drawAreaFromKeyboard();

    QWidget* BackImage = nullptr;
    QMenu* mnuAreaModify = nullptr;

signals:
    // The author closed the window: the main window's "Done".
    void closedByAuthor();
    void areaPropertiesRequested(int n, const QRectF& twips);
    // A new area n was drawn; `kept` answers false when the author cancelled it.
    void newAreaDrawn(int n, const QRectF& twips, bool* kept);
    void areaMoved(int n, const QRectF& twips);
    void objectDropped(int n, const QString& object);
    // Event files were renumbered or removed.
    void eventsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CanvasArea* addArea(int k, const QRectF& twips);
    void removeAreaControl(int k);
    void applyLook(CanvasArea* control, const AreaPlacement& placement);
    void backgroundPressed(const QPoint& at, Qt::MouseButton button);
    void backgroundMoved(const QPoint& at);
    void backgroundReleased();
    // The new area k on the canvas is offered to the dialog; it stays when
    // the author keeps it.
    bool finishNewArea(int k);
    void areaMoveFinished(int k, QPointF topLeftTwips, QPoint releasedAt);
    void areaResizeRequested(int k, QRectF twips);
    // Writes area k's new rectangle as one author action named `what`.
    void placeArea(int k, const QRectF& twips, const QString& what);
    void areaObjectDropped(int k, const QString& object);
    // After the dialog or a removal the areas are made anew: the focus goes
    // back to area k.
    void focusArea(int k);

    QMap<int, CanvasArea*> m_areas;
    QPixmap m_picture;  // stretched over the background
    QPixmap m_tile;     // repeated from the top-left corner
    bool m_tiled = false;
    int m_drawing = 0;  // the area being drawn, 0 when none
    int m_popupArea = 0;
};
