#pragma once

#include "editor/shell/windows/frmObjects.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

// An object of the objects window dragged onto `on` and dropped there, as
// the window's own drag carries it.
inline void dropObject(QWidget* on, const QString& object)
{
    QMimeData data;
    data.setData(QLatin1String(frmObjects::kObjectMimeType), object.toUtf8());
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(on, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(on, &drop);
}
