#include "player/windows/artwork/WelcomeArtwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace WelcomeArtwork {

namespace {

const QColor kInk(0x3b, 0x24, 0x12);
const QColor kGold(0xe8, 0xc0, 0x60);
const QColor kDeepGold(0x9a, 0x6a, 0x1c);

QFont serif(int pixelSize, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Text as a path, so that it can be outlined and filled with a gradient.
QPainterPath textPath(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    return path;
}

// A small compass rose: the mark of an explorer's map.
void drawCompass(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    p.save();
    p.translate(centre);
    p.setPen(QPen(colour, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), radius * 0.72, radius * 0.72);
    for (int i = 0; i < 8; ++i) {
        const double length = (i % 2 == 0) ? radius : radius * 0.55;
        const double a = i * M_PI / 4;
        const double side = a + M_PI / 2;
        QPolygonF needle;
        needle << QPointF(std::cos(a) * length, std::sin(a) * length)
               << QPointF(std::cos(side) * radius * 0.14, std::sin(side) * radius * 0.14)
               << QPointF(0, 0)
               << QPointF(-std::cos(side) * radius * 0.14, -std::sin(side) * radius * 0.14);
        p.setBrush(i % 2 == 0 ? colour : colour.lighter(160));
        p.drawPolygon(needle);
    }
    p.restore();
}

void drawFlourish(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    QPainterPath path(from);
    const QPointF mid = (from + to) / 2;
    const double dx = (to.x() - from.x()) / 4;
    path.cubicTo(from + QPointF(dx, -6), mid + QPointF(-dx, 6), mid);
    path.cubicTo(mid + QPointF(dx, -6), to + QPointF(-dx, 6), to);
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setBrush(colour);
    p.drawEllipse(to, 2.2, 2.2);
    p.drawEllipse(from, 2.2, 2.2);
}

}  // namespace

QPixmap banner(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, size.width(), size.height());

    const QFont font = serif(int(size.height() * 0.62), true, true);
    const QPainterPath text = textPath(QStringLiteral("Welcome to"), font, box.adjusted(0, -4, 0, -4));

    // Soft shadow, then the letters in gold with a dark outline.
    p.save();
    p.translate(2.5, 3);
    p.fillPath(text, QColor(0, 0, 0, 70));
    p.restore();
    QLinearGradient gold(0, text.boundingRect().top(), 0, text.boundingRect().bottom());
    gold.setColorAt(0.0, QColor(0xff, 0xf0, 0xb8));
    gold.setColorAt(0.45, kGold);
    gold.setColorAt(1.0, kDeepGold);
    p.fillPath(text, gold);
    p.setPen(QPen(kInk, 1.4));
    p.drawPath(text);

    const double y = text.boundingRect().bottom() + 6;
    const double left = text.boundingRect().left();
    const double right = text.boundingRect().right();
    drawFlourish(p, QPointF(left + 10, y), QPointF((left + right) / 2 - 12, y), kDeepGold);
    drawFlourish(p, QPointF((left + right) / 2 + 12, y), QPointF(right - 10, y), kDeepGold);
    p.setBrush(kDeepGold);
    p.setPen(Qt::NoPen);
    QPolygonF diamond;
    diamond << QPointF((left + right) / 2, y - 5) << QPointF((left + right) / 2 + 5, y)
            << QPointF((left + right) / 2, y + 5) << QPointF((left + right) / 2 - 5, y);
    p.drawPolygon(diamond);
    return pixmap;
}

QPixmap paperTile()
{
    // Parchment: a warm base with fibres and faint blotches. The tile wraps,
    // so every mark that crosses an edge is drawn again on the other side.
    constexpr int kSize = 128;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    QRandomGenerator random(1789);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int grain = int(random.bounded(17)) - 8;
            image.setPixel(x, y, qRgb(0xf1 + grain / 2, 0xe4 + grain / 2, 0xc4 + grain));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 14; ++i) {
        const QPointF c(random.bounded(kSize), random.bounded(kSize));
        const double r = 10 + random.bounded(26);
        QRadialGradient blot(c, r);
        blot.setColorAt(0, QColor(0xc8, 0xa8, 0x70, 26));
        blot.setColorAt(1, QColor(0xc8, 0xa8, 0x70, 0));
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                p.save();
                p.translate(dx * kSize, dy * kSize);
                p.setPen(Qt::NoPen);
                p.setBrush(blot);
                p.drawEllipse(c, r, r);
                p.restore();
            }
        }
    }
    for (int i = 0; i < 60; ++i) {
        const QPointF a(random.bounded(kSize), random.bounded(kSize));
        const double angle = random.bounded(2 * M_PI);
        const double length = 3 + random.bounded(9);
        const QPointF b = a + QPointF(std::cos(angle) * length, std::sin(angle) * length);
        p.setPen(QPen(QColor(0x9a, 0x7a, 0x48, 40 + int(random.bounded(40))), 0.7));
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                p.drawLine(a + QPointF(dx * kSize, dy * kSize), b + QPointF(dx * kSize, dy * kSize));
    }
    p.end();
    return QPixmap::fromImage(image);
}

int captionPixels(const QStringList& captions, QSize size)
{
    const double room = size.width() - 4 - 30 - 6 - 10;
    int pixels = int(size.height() * 0.30);
    for (const QString& caption : captions) {
        while (pixels > 8 && QFontMetricsF(serif(pixels, true)).horizontalAdvance(caption) > room)
            --pixels;
    }
    return pixels;
}

QPixmap button(const QString& caption, QSize size, int ornament, int captionPixels)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -3, -3);

    // Drop shadow, a leather-brown plate, a gold rim and an inner bevel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(outer.translated(2, 2), 9, 9);
    QLinearGradient leather(outer.topLeft(), outer.bottomLeft());
    leather.setColorAt(0, QColor(0x8a, 0x52, 0x2a));
    leather.setColorAt(0.5, QColor(0x6b, 0x3a, 0x1a));
    leather.setColorAt(1, QColor(0x4a, 0x26, 0x0e));
    p.setBrush(leather);
    p.setPen(QPen(kGold, 2));
    p.drawRoundedRect(outer, 9, 9);
    p.setPen(QPen(QColor(255, 240, 200, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(4, 4, -4, -4), 6, 6);

    // A small emblem on the left tells the buttons apart at a glance.
    const QRectF emblem(outer.left() + 8, outer.center().y() - 11, 22, 22);
    p.setPen(QPen(kGold, 1.6));
    p.setBrush(Qt::NoBrush);
    switch (ornament) {
    case 0: {  // a new journey: a play triangle
        QPolygonF play;
        play << emblem.topLeft() + QPointF(5, 2) << QPointF(emblem.right() - 2, emblem.center().y())
             << emblem.bottomLeft() + QPointF(5, -2);
        p.setBrush(kGold);
        p.drawPolygon(play);
        break;
    }
    case 1:  // a saved game: a bookmark ribbon on a page
        p.drawRect(emblem.adjusted(3, 1, -3, -1));
        p.setBrush(kGold);
        p.drawPolygon(QPolygonF() << emblem.topLeft() + QPointF(9, 1) << emblem.topLeft() + QPointF(15, 1)
                                  << emblem.topLeft() + QPointF(15, 13) << emblem.topLeft() + QPointF(12, 10)
                                  << emblem.topLeft() + QPointF(9, 13));
        break;
    case 2:  // leaving: an open door
        p.drawRect(emblem.adjusted(4, 1, -6, -1));
        p.setBrush(kGold);
        p.drawPolygon(QPolygonF() << emblem.topLeft() + QPointF(4, 1) << emblem.topLeft() + QPointF(13, 4)
                                  << emblem.topLeft() + QPointF(13, 22) << emblem.topLeft() + QPointF(4, 21));
        break;
    default:  // about: the compass
        drawCompass(p, emblem.center(), 10.5, kGold);
        break;
    }

    const QRectF textBox = outer.adjusted(30, 0, -4, 0);
    p.setFont(serif(captionPixels, true));
    p.setPen(QColor(0x20, 0x10, 0x04));
    p.drawText(textBox.translated(1, 1), Qt::AlignCenter, caption);
    p.setPen(QColor(0xff, 0xe9, 0xb0));
    p.drawText(textBox, Qt::AlignCenter, caption);
    return pixmap;
}

QPixmap panelPlate(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(0, 0, size.width(), size.height()).adjusted(2, 2, -2, -2);

    QRadialGradient night(box.center() - QPointF(0, box.height() * 0.2), box.width());
    night.setColorAt(0, QColor(0x2c, 0x3e, 0x6a));
    night.setColorAt(1, QColor(0x10, 0x16, 0x2c));
    p.setBrush(night);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(box, 12, 12);
    QPainterPath frame;
    frame.addRoundedRect(box, 12, 12);
    p.setClipPath(frame);

    QRandomGenerator random(42);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF star(box.left() + 8 + random.bounded(box.width() - 16), box.top() + 8 + random.bounded(box.height() * 0.45));
        p.setBrush(QColor(255, 250, 220, 120 + int(random.bounded(130))));
        const double r = 0.6 + random.bounded(1.2);
        p.drawEllipse(star, r, r);
    }

    // Rolling hills and a small castle on the horizon.
    QPainterPath hills(QPointF(box.left(), box.bottom() - box.height() * 0.28));
    hills.cubicTo(QPointF(box.left() + box.width() * 0.3, box.bottom() - box.height() * 0.42),
                  QPointF(box.left() + box.width() * 0.6, box.bottom() - box.height() * 0.18),
                  QPointF(box.right(), box.bottom() - box.height() * 0.34));
    hills.lineTo(box.bottomRight());
    hills.lineTo(box.bottomLeft());
    hills.closeSubpath();
    p.setBrush(QColor(0x1d, 0x2f, 0x24));
    p.drawPath(hills);
    const QPointF castle(box.left() + box.width() * 0.80, box.bottom() - box.height() * 0.08);
    p.setBrush(QColor(0x0c, 0x12, 0x10));
    p.drawRect(QRectF(castle.x() - 14, castle.y() - 18, 28, 20));
    p.drawRect(QRectF(castle.x() - 20, castle.y() - 28, 8, 30));
    p.drawRect(QRectF(castle.x() + 12, castle.y() - 28, 8, 30));
    p.setBrush(QColor(0xff, 0xd8, 0x70));
    p.drawRect(QRectF(castle.x() - 2, castle.y() - 10, 4, 6));

    drawCompass(p, QPointF(box.left() + box.width() * 0.22, box.top() + box.height() * 0.30), box.width() * 0.11, kGold);

    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 3));
    p.drawRoundedRect(box, 12, 12);
    const double scale = std::min(box.width(), box.height() * 0.8);
    const QFont small = serif(int(scale * 0.075), false, true);
    const QFont big = serif(int(scale * 0.19), true);
    p.setPen(QColor(0xf4, 0xe8, 0xc8));
    p.setFont(small);
    p.drawText(QRectF(box.left(), box.top() + box.height() * 0.46, box.width(), box.height() * 0.1), Qt::AlignCenter,
               QStringLiteral("this game was made with"));
    const QPainterPath name = textPath(QStringLiteral("Quendara"), big,
                                       QRectF(box.left(), box.top() + box.height() * 0.55, box.width(), box.height() * 0.2));
    QLinearGradient gold(0, name.boundingRect().top(), 0, name.boundingRect().bottom());
    gold.setColorAt(0, QColor(0xff, 0xf0, 0xb8));
    gold.setColorAt(1, kDeepGold);
    p.fillPath(name, gold);
    p.setPen(QPen(kInk, 1));
    p.drawPath(name);
    return pixmap;
}

QPixmap backArrow(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(QColor(0x6b, 0x3a, 0x1a));
    p.drawEllipse(box);
    QPolygonF arrow;
    const QPointF c = box.center();
    const double r = box.width() / 2;
    arrow << c + QPointF(-r * 0.55, 0) << c + QPointF(-r * 0.05, -r * 0.45) << c + QPointF(-r * 0.05, -r * 0.18)
          << c + QPointF(r * 0.5, -r * 0.18) << c + QPointF(r * 0.5, r * 0.18) << c + QPointF(-r * 0.05, r * 0.18)
          << c + QPointF(-r * 0.05, r * 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawPolygon(arrow);
    return pixmap;
}

}  // namespace WelcomeArtwork
