#include "editor/shell/windows/FrameThumbnail.h"

#include "platform/FileNames.h"
#include "platform/pictures/Pictures.h"
#include "player/ProjectPaths.h"
#include "player/records/ColourNumber.h"
#include "player/records/FrameFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"

#include <QPainter>
#include <QPixmap>

namespace FrameThumbnail {

QIcon of(const QString& frame, bool starting, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // The frame keeps the game window's shape, 4:3, centred in the icon.
    const int height = size.width() * 3 / 4;
    const QRect area(0, (size.height() - height) / 2, size.width(), height);

    FrameFile record;
    const QString path = ProjectFiles::frameFile(frame);
    // The kind and the background are all a thumbnail needs: a frame file
    // damaged further on still shows them.
    const bool read = !path.isEmpty() && RecordFile::load(path, record).fields >= 2;
    QImage picture;
    if (read && record.FrameKind == 1) {
        const QString file = FileNames::inFolder(ProjectPaths::FramesPath, record.Background);
        if (!file.isEmpty() && FileNames::exists(file))
            picture = Pictures::load(FileNames::resolve(file));
    }
    if (!picture.isNull()) {
        painter.drawImage(area, picture.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else if (read && record.FrameKind == 0) {
        painter.fillRect(area, ColourNumber::fromText(record.Background).value_or(QColor(Qt::black)));
    } else {
        // A frame whose file or picture cannot be read shows a grey cross.
        painter.fillRect(area, QColor(224, 224, 224));
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(area.topLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomLeft());
    }
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    if (starting) {
        const int s = std::max(8, size.width() / 3);
        const QPoint corner = area.topLeft();
        const QPolygon flag({corner, corner + QPoint(s, 0), corner + QPoint(0, s)});
        painter.setPen(Qt::white);
        painter.setBrush(QColor(0, 160, 0));
        painter.drawPolygon(flag);
    }
    painter.end();
    return QIcon(pixmap);
}

}  // namespace FrameThumbnail
