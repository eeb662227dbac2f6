#include "tools/Compil32/MenuIcon.h"

#include "platform/FileNames.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

namespace MenuIcon {

QString find(const QString& sourceFolder, const QStringList& names)
{
    const QString folder = sourceFolder.endsWith(QLatin1Char('/')) ? sourceFolder : sourceFolder + QLatin1Char('/');
    for (const QString& where : {folder, folder + QStringLiteral("Icons/")}) {
        for (const QString& name : names) {
            if (!FileNames::isPlainName(name))
                continue;
            for (const char* extension : {".ico", ".png", ".bmp", ".gif", ".jpg"}) {
                const QString path = where + name + QLatin1String(extension);
                if (FileNames::exists(path))
                    return FileNames::resolve(path);
            }
        }
    }
    return {};
}

QImage make(const QString& file, const QColor& colour)
{
    if (!file.isEmpty()) {
        QImageReader reader(file);
        const QImage picture = reader.read();
        if (!picture.isNull())
            return picture.scaled(kSize, kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
    }
    // A door in a rounded square: the way into an adventure.
    QImage icon(kSize, kSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(2, 2, kSize - 4, kSize - 4), 10, 10);
    QPainterPath door;
    door.moveTo(22, 54);
    door.lineTo(22, 24);
    door.arcTo(QRectF(22, 14, 20, 20), 180, -180);
    door.lineTo(42, 54);
    door.closeSubpath();
    painter.setBrush(colour.lightness() > 160 ? QColor(40, 40, 40) : QColor(250, 240, 210));
    painter.drawPath(door);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(37, 38), 2, 2);
    return icon;
}

QColor backColour(const QString& value)
{
    static const std::pair<const char*, QRgb> colours[] = {
        {"Green", 0x008000}, {"Black", 0x000000},  {"Maroon", 0x800000}, {"Olive", 0x808000},
        {"Navy", 0x000080},  {"Purple", 0x800080}, {"Teal", 0x008080},   {"Gray", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},   {"Lime", 0x00FF00},   {"Yellow", 0xFFFF00},
        {"Blue", 0x0000FF},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF}};
    const QString name = value.startsWith(QLatin1String("cl"), Qt::CaseInsensitive) ? value.mid(2) : value;
    for (const auto& [known, rgb] : colours) {
        if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return QColor::fromRgb(rgb);
    }
    return QColor::fromRgb(0x008000);
}

}  // namespace MenuIcon
