#include "editor/shell/windows/SideWindow.h"

#include "player/Twips.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace SideWindow {

namespace {

// The window keeps the size it was given unless its controls need more: at
// larger fonts or a higher scale its captions would otherwise be cut off.
class GrowToContents : public QObject {
public:
    GrowToContents(QWidget* window, QSize size)
        : QObject(window)
        , m_window(window)
        , m_size(size)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest)
            grow();
        return false;
    }

private:
    void grow()
    {
        QLayout* layout = m_window->layout();
        if (!layout || m_growing)
            return;
        m_growing = true;
        QSize need = m_size.expandedTo(layout->totalMinimumSize());
        if (layout->hasHeightForWidth())
            need.setHeight(std::max(need.height(), layout->totalHeightForWidth(need.width())));
        if (need != m_window->size())
            m_window->setFixedSize(need);
        m_growing = false;
    }

    QWidget* m_window;
    QSize m_size;
    bool m_growing = false;
};

}  // namespace

void place(QWidget* window, QWidget* mainWindow, int widthTwips, int heightTwips)
{
    const QSize size(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    window->setFixedSize(size);
    new GrowToContents(window, size);
    if (mainWindow) {
        const QRect frame = mainWindow->frameGeometry();
        window->move(frame.right() + 1, frame.top());
    }
}

}  // namespace SideWindow
