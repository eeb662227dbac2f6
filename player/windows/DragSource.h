#pragma once

#include <QMimeData>
#include <QObject>
#include <QPointer>

// A drag inside the game carries the control being dragged, as the drop
// handlers look at the source's name ("PickedObject").
class DragSource : public QMimeData {
    Q_OBJECT

public:
    explicit DragSource(QObject* source) : m_source(source) {}

    static QString mimeType() { return QStringLiteral("application/x-quendara-control"); }
    static QObject* fromMime(const QMimeData* data)
    {
        const auto* self = qobject_cast<const DragSource*>(data);
        return self ? self->m_source.data() : nullptr;
    }

    QStringList formats() const override { return {mimeType()}; }

private:
    QPointer<QObject> m_source;
};
