#include "editor/shell/windows/ControlDescriptions.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

void ControlDescriptions::install()
{
    static ControlDescriptions* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new ControlDescriptions(qApp);
    qApp->installEventFilter(filter);
}

void ControlDescriptions::describe(QWidget* widget)
{
    const QString name = widget->objectName();
    // Qt's own inner widgets ("qt_spinbox_lineedit") are not ours to name.
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !widget->accessibleDescription().isEmpty())
        return;
    widget->setAccessibleDescription(name);
}

bool ControlDescriptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Polish && watched->isWidgetType())
        describe(static_cast<QWidget*>(watched));
    return false;
}
