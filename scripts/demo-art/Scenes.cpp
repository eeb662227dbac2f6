#include "Scenes.h"

#include "Painting.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

using namespace art;

namespace scenes {

namespace {

QImage canvas(int w = W, int h = H)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

void begin(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Night colours shared by the outdoor scenes.
const QColor skyTop(6, 8, 22);
const QColor skyLow(38, 46, 78);
const QColor cloudDark(26, 30, 48, 235);
const QColor cloudRim(105, 112, 140);
const QColor seaFar(28, 38, 60);
const QColor seaNear(8, 14, 26);
const QColor crest(150, 170, 200);

void foam(QPainter& p, const QPolygonF& around, int seed, double size)
{
    QRandomGenerator rng{quint32(seed)};
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < around.size(); ++i) {
        const QPointF a = around[i];
        for (int k = 0; k < 6; ++k) {
            const QPointF at = a + QPointF(rng.bounded(size * 2) - size, rng.bounded(size * 0.6) - size * 0.3);
            p.setBrush(QColor(200, 215, 235, 60 + rng.bounded(110)));
            p.drawEllipse(at, size * (0.2 + rng.bounded(0.5)), size * (0.08 + rng.bounded(0.15)));
        }
    }
    p.restore();
}

void lightning(QPainter& p, QPointF from, double length, int seed)
{
    QRandomGenerator rng{quint32(seed)};
    QPainterPath bolt;
    bolt.moveTo(from);
    QPointF at = from;
    while (at.y() < from.y() + length) {
        at += QPointF(rng.bounded(30.0) - 15, 12 + rng.bounded(16.0));
        bolt.lineTo(at);
    }
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(160, 170, 255, 90), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bolt);
    p.setPen(QPen(QColor(240, 240, 255), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bolt);
    p.restore();
}

// The storm seen from the sea: the scene of the intro film and the title.
void stormScene(QPainter& p, double t, bool lampOn, double beam, double flash)
{
    const QRect skyRect(0, 0, W, 300);
    sky(p, skyRect, mix(skyTop, QColor(90, 95, 140), flash), mix(skyLow, QColor(150, 150, 190), flash));
    clouds(p, skyRect, mix(cloudDark, QColor(70, 75, 110, 235), flash), cloudRim, 0.62, 7, 150, 0);
    if (flash > 0.5)
        lightning(p, QPointF(150, 40), 250, 3);
    sea(p, QRectF(0, 300, W, 180), mix(seaFar, QColor(70, 80, 110), flash), seaNear, crest, 11, 1.3, 0);

    const QPolygonF rockShape{{340, 345}, {362, 318}, {380, 300}, {410, 284}, {445, 278}, {478, 284},
                              {500, 300}, {528, 330}, {552, 348}, {530, 356}, {360, 358}};
    rock(p, rockShape, QColor(70, 72, 86), QColor(18, 18, 26), 21);
    foam(p, QPolygonF{{345, 350}, {380, 356}, {430, 358}, {480, 357}, {530, 352}, {552, 347}}, 5, 18);

    Lighthouse l;
    l.base = QPointF(444, 284);
    l.height = 226;
    l.width = 54;
    l.lit = lampOn;
    l.beam = beam;
    l.beamLength = 820;
    lighthouse(p, l);
    rain(p, QRect(0, 0, W, H), 400, 9 + int(t * 10), 0.35, QColor(150, 160, 190, 90));
    vignette(p, QRect(0, 0, W, H), 0.55);
}

void caption(QPainter& p, const QString& text, double alpha)
{
    if (alpha <= 0)
        return;
    QFont font(QStringLiteral("DejaVu Serif"), 20);
    font.setItalic(true);
    outlinedText(p, QRectF(0, 400, W, 60), Qt::AlignHCenter | Qt::AlignTop, font, text,
                 QColor(235, 225, 200, int(255 * alpha)), QColor(0, 0, 0, int(200 * alpha)), 4);
}

void titleText(QPainter& p)
{
    QFont big(QStringLiteral("DejaVu Serif"), 32, QFont::Bold);
    outlinedText(p, QRectF(0, 26, W, 70), Qt::AlignHCenter | Qt::AlignTop, big,
                 QStringLiteral("The Lighthouse Keeper"), QColor(240, 226, 190), QColor(10, 10, 20), 6);
    QFont small(QStringLiteral("DejaVu Serif"), 17);
    small.setItalic(true);
    outlinedText(p, QRectF(0, 92, W, 40), Qt::AlignHCenter | Qt::AlignTop, small,
                 QStringLiteral("A stormy night on Gull Rock"), QColor(200, 205, 220), QColor(10, 10, 20), 4);
    QFont hint(QStringLiteral("DejaVu Sans"), 12);
    outlinedText(p, QRectF(0, 440, W, 30), Qt::AlignHCenter | Qt::AlignTop, hint,
                 QStringLiteral("click to begin"), QColor(190, 190, 200), QColor(0, 0, 0), 3);
}

QPainterPath archPath(const QRectF& r)
{
    QPainterPath path;
    const double radius = r.width() / 2;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

void planks(QPainter& p, const QPainterPath& shape, const QColor& light, const QColor& dark, int seed,
            double plankWidth, bool vertical = true)
{
    const QRectF r = shape.boundingRect();
    fillTextured(p, shape, noiseTexture(QSize(W, H), dark, light, 9, 4, seed, 1.6));
    p.save();
    p.setClipPath(shape);
    // Grain along the planks.
    QImage grain(W, H, QImage::Format_ARGB32_Premultiplied);
    grain.fill(Qt::transparent);
    for (int y = int(r.top()); y < int(r.bottom()); ++y)
        for (int x = int(r.left()); x < int(r.right()); ++x) {
            if (x < 0 || y < 0 || x >= W || y >= H)
                continue;
            const double v = vertical ? noise(x / 1.5, y / 40.0, seed + 7) : noise(x / 40.0, y / 1.5, seed + 7);
            grain.setPixel(x, y, qPremultiply(qRgba(0, 0, 0, int(v * 60))));
        }
    p.drawImage(0, 0, grain);
    p.setPen(QPen(dark.darker(220), 1.6));
    if (vertical) {
        for (double x = r.left() + plankWidth; x < r.right(); x += plankWidth)
            p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    } else {
        for (double y = r.top() + plankWidth; y < r.bottom(); y += plankWidth)
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    p.restore();
}

void flagstones(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark, int seed)
{
    QPainterPath floor;
    floor.addRect(r);
    fillTextured(p, floor, noiseTexture(QSize(W, H), dark, light, 14, 5, seed, 1.5));
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(dark.darker(200), 1.4));
    // Joints in perspective: rows get taller towards the viewer.
    double y = r.top();
    double rowH = 10;
    int row = 0;
    while (y < r.bottom()) {
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        const double slabW = rowH * 4.5;
        for (double x = r.left() - (row % 2) * slabW / 2; x < r.right(); x += slabW)
            p.drawLine(QPointF(x, y), QPointF(x + (x - W / 2.0) * 0.08, y + rowH));
        y += rowH;
        rowH *= 1.35;
        ++row;
    }
    QLinearGradient depth(r.topLeft(), r.bottomLeft());
    depth.setColorAt(0, QColor(0, 0, 0, 120));
    depth.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(r, depth);
    p.restore();
}

void lantern(QPainter& p, QPointF at, double size, bool lit)
{
    p.save();
    p.setPen(QPen(QColor(20, 18, 16), size * 0.06));
    p.setBrush(QColor(40, 34, 28));
    const QRectF body(at.x() - size * 0.3, at.y() - size * 0.4, size * 0.6, size * 0.8);
    p.drawRect(body.adjusted(0, size * 0.12, 0, 0));
    QPainterPath roof;
    roof.moveTo(body.left() - size * 0.08, body.top() + size * 0.12);
    roof.lineTo(at.x(), body.top() - size * 0.12);
    roof.lineTo(body.right() + size * 0.08, body.top() + size * 0.12);
    roof.closeSubpath();
    p.drawPath(roof);
    p.setBrush(lit ? QColor(255, 205, 110) : QColor(50, 55, 65));
    p.drawRect(body.adjusted(size * 0.07, size * 0.2, -size * 0.07, -size * 0.07));
    if (lit) {
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        glow(p, body.center() + QPointF(0, size * 0.06), size * 2.6, QColor(255, 180, 90, 150));
        glow(p, body.center() + QPointF(0, size * 0.06), size * 0.5, QColor(255, 240, 200, 255));
    }
    p.restore();
}

}  // namespace

QColor cellarColour() { return QColor(14, 20, 32); }

// ---------------------------------------------------------------- Title, intro

QImage title(bool withTitle)
{
    QImage image = canvas();
    QPainter p(&image);
    begin(p);
    stormScene(p, introLength, false, -1, 0);
    if (withTitle)
        titleText(p);
    return image;
}

QImage intro(double t)
{
    QImage image = canvas();
    QPainter p(&image);
    begin(p);
    // The beam turns; at 3.6 s the lamp begins to gutter and at 4.6 s it dies.
    bool lampOn = t < 3.6 || (t < 4.6 && std::fmod(t * 7, 1.0) < 0.55);
    const double beam = std::fmod(150 + t * 55, 360.0);
    const double flash = (t > 2.4 && t < 2.6) ? 1.0 : (t >= 2.6 && t < 2.8 ? 0.4 : 0.0);
    stormScene(p, t, lampOn, beam > 100 && beam < 260 ? beam : -1, flash);
    auto fade = [](double t, double from, double to) {
        return std::clamp(std::min((t - from) / 0.5, (to - t) / 0.5), 0.0, 1.0);
    };
    caption(p, QStringLiteral("Gull Rock. A night of wind and rain..."), fade(t, 0.2, 3.2));
    caption(p, QStringLiteral("...and then the light went out."), fade(t, 4.4, 6.9));
    return image;
}

// ---------------------------------------------------------------- Shore

namespace {

void conch(QPainter& p, const QRectF& r)
{
    p.save();
    p.translate(r.center());
    p.rotate(-18);
    const double w = r.width() * 0.42, h = r.height() * 0.36;
    QPainterPath body;
    body.moveTo(-w, 0);
    body.quadTo(-w * 0.7, -h * 1.1, w * 0.2, -h);
    body.quadTo(w * 1.1, -h * 0.6, w, h * 0.1);
    body.quadTo(w * 0.4, h * 1.0, -w * 0.3, h * 0.7);
    body.quadTo(-w * 0.9, h * 0.5, -w, 0);
    QRadialGradient g(QPointF(-w * 0.2, -h * 0.4), w * 1.4);
    g.setColorAt(0, QColor(225, 200, 185));
    g.setColorAt(0.6, QColor(180, 140, 120));
    g.setColorAt(1, QColor(110, 80, 70));
    p.setPen(QPen(QColor(70, 50, 45), 1));
    p.setBrush(g);
    p.drawPath(body);
    // The spiral.
    p.setPen(QPen(QColor(120, 85, 75), 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    for (int i = 0; i <= 60; ++i) {
        const double a = i * 0.22;
        const double rad = w * 0.75 * (1 - i / 70.0);
        const QPointF pt(w * 0.25 + std::cos(a) * rad * 0.55, -h * 0.1 + std::sin(a) * rad * 0.4);
        i == 0 ? spiral.moveTo(pt) : spiral.lineTo(pt);
    }
    p.drawPath(spiral);
    // Pink mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 160, 160));
    p.drawEllipse(QPointF(-w * 0.35, h * 0.3), w * 0.35, h * 0.25);
    p.restore();
}

}  // namespace

QImage shore(bool withShell)
{
    QImage image = canvas();
    QPainter p(&image);
    begin(p);
    const QRect skyRect(0, 0, W, 236);
    sky(p, skyRect, skyTop, skyLow);
    stars(p, QRect(0, 0, W, 150), 160, 4);
    // The moon behind thin clouds.
    glow(p, QPointF(120, 78), 120, QColor(180, 190, 230, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 210));
    p.drawEllipse(QPointF(120, 78), 22, 22);
    p.setBrush(QColor(200, 200, 185));
    p.drawEllipse(QPointF(113, 72), 5, 4);
    p.drawEllipse(QPointF(127, 86), 4, 3);
    clouds(p, skyRect, cloudDark, cloudRim, 0.5, 31, 130, 0);

    sea(p, QRectF(0, 236, W, 244), seaFar, seaNear, QColor(90, 104, 134), 13, 0.8);
    // The moon's path on the water.
    p.save();
    QRandomGenerator rng(77);
    for (int i = 0; i < 90; ++i) {
        const double y = 240 + rng.bounded(110.0);
        const double spread = 6 + (y - 236) * 0.35;
        const double x = 120 + rng.bounded(spread * 2) - spread;
        p.setPen(QPen(QColor(220, 225, 235, 40 + rng.bounded(90)), 1.2));
        p.drawLine(QPointF(x - 4 - (y - 236) * 0.05, y), QPointF(x + 4 + (y - 236) * 0.05, y));
    }
    p.restore();
    Ship far;
    far.waterline = QPointF(112, 238);
    far.scale = 0.24;
    far.faceLeft = true;
    ship(p, far);

    // The cliff with the lighthouse on top and the path up to it.
    const QPolygonF cliff{{372, 480}, {388, 430}, {402, 392}, {424, 338}, {440, 292}, {452, 252},
                          {468, 214}, {492, 196}, {540, 190}, {600, 186}, {640, 184}, {640, 480}};
    rock(p, cliff, QColor(92, 92, 108), QColor(24, 24, 34), 41);
    Lighthouse l;
    l.base = QPointF(566, 192);
    l.height = 168;
    l.width = 42;
    lighthouse(p, l);
    // A small keeper's cottage beside it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 72, 88));
    p.drawRect(QRectF(600, 166, 40, 24));
    p.setBrush(QColor(40, 30, 34));
    QPainterPath roof;
    roof.moveTo(596, 168);
    roof.lineTo(618, 150);
    roof.lineTo(644, 168);
    p.drawPath(roof);

    QPainterPath path;
    path.moveTo(432, 482);
    path.cubicTo(470, 450, 478, 428, 450, 404);
    path.cubicTo(430, 386, 470, 360, 500, 340);
    path.cubicTo(522, 324, 480, 300, 480, 282);
    path.cubicTo(480, 262, 520, 250, 530, 230);
    path.cubicTo(538, 214, 548, 200, 560, 192);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 26, 24, 200), 16, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(QColor(118, 104, 84), 11, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(QColor(150, 136, 110), 1.5, Qt::DotLine, Qt::RoundCap));
    p.drawPath(path);

    // The beach.
    QPainterPath sand;
    sand.moveTo(0, 336);
    sand.cubicTo(120, 326, 250, 340, 330, 380);
    sand.cubicTo(380, 410, 400, 450, 410, 480);
    sand.lineTo(0, 480);
    sand.closeSubpath();
    fillTextured(p, sand, noiseTexture(QSize(W, H), QColor(46, 42, 38), QColor(104, 94, 78), 5, 5, 51, 1.3));
    p.save();
    p.setClipPath(sand);
    QLinearGradient wet(0, 330, 0, 372);
    wet.setColorAt(0, QColor(10, 14, 24, 170));
    wet.setColorAt(1, QColor(10, 14, 24, 0));
    p.fillRect(QRect(0, 320, W, 60), wet);
    p.restore();
    // Foam where the waves run up the sand.
    p.setPen(QPen(QColor(200, 210, 225, 170), 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath surf;
    surf.moveTo(0, 338);
    surf.cubicTo(60, 332, 90, 342, 150, 334);
    surf.cubicTo(210, 328, 260, 342, 330, 380);
    surf.cubicTo(360, 398, 378, 420, 392, 446);
    p.drawPath(surf);
    foam(p, QPolygonF{{20, 338}, {80, 337}, {140, 335}, {200, 333}, {260, 345}, {310, 368}, {350, 396}}, 9, 12);
    // Pebbles and a tangle of seaweed.
    QRandomGenerator pebbles(12);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const double x = pebbles.bounded(330.0);
        const double y = 380 + pebbles.bounded(95.0);
        if (x > 330 - (480 - y))
            continue;
        const int g = 40 + pebbles.bounded(40);
        p.setBrush(QColor(g, g, g + 8));
        p.drawEllipse(QPointF(x, y), 3 + pebbles.bounded(4.0), 2 + pebbles.bounded(2.0));
    }
    p.setPen(QPen(QColor(30, 50, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        QPainterPath weed;
        weed.moveTo(60 + i * 5, 452);
        weed.cubicTo(80 + i * 6, 440 - i * 2, 50 + i * 8, 430, 90 + i * 7, 424 + i);
        p.drawPath(weed);
    }
    if (withShell)
        conch(p, QRectF(at::shell).adjusted(2, 2, -2, -2));
    vignette(p, QRect(0, 0, W, H), 0.5);
    return image;
}

// ---------------------------------------------------------------- Door

namespace {

void towerWall(QPainter& p)
{
    // Outside the tower: the night and the sea on the left, rock on the right.
    sky(p, QRect(0, 0, W, 300), skyTop, skyLow);
    clouds(p, QRect(0, 0, W, 300), cloudDark, cloudRim, 0.55, 61, 110, 0);
    sea(p, QRectF(0, 300, 160, 180), seaFar, seaNear, crest, 17, 0.8);
    rock(p, QPolygonF{{500, 480}, {520, 300}, {560, 250}, {640, 230}, {640, 480}}, QColor(80, 80, 94),
         QColor(22, 22, 30), 63);

    // The foot of the tower: whitewashed stone, curving away at both sides.
    QPainterPath wall;
    wall.moveTo(128, 0);
    wall.lineTo(512, 0);
    wall.lineTo(524, 400);
    wall.lineTo(116, 400);
    wall.closeSubpath();
    fillTextured(p, wall, noiseTexture(QSize(W, H), QColor(70, 72, 84), QColor(132, 134, 148), 18, 6, 71, 1.4));
    p.save();
    p.setClipPath(wall);
    p.setPen(QPen(QColor(50, 50, 60, 150), 1.3));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 16; ++row) {
        const double y = row * 26.0 + 12;
        QPainterPath joint;
        joint.moveTo(110, y + 10);
        joint.quadTo(320, y - 8, 530, y + 10);
        p.drawPath(joint);
        for (int k = 0; k < 9; ++k) {
            const double x = 140 + k * 44 + (row % 2) * 22;
            const double bend = (x - 320) * (x - 320) / 220.0 / 100.0;
            p.drawLine(QPointF(x, y - 4 + bend), QPointF(x, y + 22 + bend));
        }
    }
    QLinearGradient round(128, 0, 512, 0);
    round.setColorAt(0, QColor(0, 0, 0, 200));
    round.setColorAt(0.25, QColor(0, 0, 0, 40));
    round.setColorAt(0.55, QColor(0, 0, 0, 0));
    round.setColorAt(1, QColor(0, 0, 0, 210));
    p.fillRect(QRect(100, 0, 440, 400), round);
    p.restore();
}

void doorway(QPainter& p, bool open)
{
    const QRectF opening(266, 154, 108, 206);
    // Stone surround.
    QPainterPath surround = archPath(opening.adjusted(-12, -12, 12, 0));
    fillTextured(p, surround, noiseTexture(QSize(W, H), QColor(50, 50, 58), QColor(105, 104, 112), 8, 5, 81, 1.6));
    p.save();
    p.setPen(QPen(QColor(30, 30, 36), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(surround);
    p.restore();
    const QPainterPath hole = archPath(opening);
    if (open) {
        // Inside: the first steps of the stair, lit by a lamp further up.
        p.save();
        p.setClipPath(hole);
        QLinearGradient dark(opening.topLeft(), opening.bottomLeft());
        dark.setColorAt(0, QColor(40, 26, 16));
        dark.setColorAt(1, QColor(12, 9, 8));
        p.fillRect(opening, dark);
        glow(p, QPointF(340, 200), 90, QColor(255, 170, 80, 120));
        p.setPen(QPen(QColor(20, 14, 10), 1.5));
        for (int i = 0; i < 6; ++i) {
            const double y = 350 - i * 22;
            p.setBrush(QColor(90 - i * 8, 70 - i * 6, 55 - i * 5));
            p.drawRect(QRectF(300 + i * 8, y - 12, 70, 12));
        }
        // The door leaf, swung in against the wall.
        QPolygonF leaf{{266, 360}, {266, 206}, {290, 180}, {290, 346}};
        QPainterPath leafPath;
        leafPath.addPolygon(leaf);
        leafPath.closeSubpath();
        planks(p, leafPath, QColor(90, 60, 38), QColor(40, 26, 16), 83, 8);
        p.restore();
    } else {
        planks(p, hole, QColor(112, 76, 48), QColor(52, 34, 22), 85, 18);
        p.save();
        p.setClipPath(hole);
        // Iron straps with rivets, a ring and the keyhole.
        p.setPen(Qt::NoPen);
        for (double y : {206.0, 300.0}) {
            p.setBrush(QColor(28, 28, 32));
            p.drawRect(QRectF(266, y, 108, 9));
            p.setBrush(QColor(90, 90, 100));
            for (double x = 272; x < 374; x += 16)
                p.drawEllipse(QPointF(x, y + 4.5), 1.8, 1.8);
        }
        p.setPen(QPen(QColor(30, 30, 34), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(350, 262), 9, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 66));
        p.drawEllipse(QPointF(350, 244), 6, 6);
        p.setBrush(QColor(8, 8, 8));
        p.drawEllipse(QPointF(350, 243), 2, 2);
        p.drawRect(QRectF(349, 243, 2, 6));
        QLinearGradient shade(opening.topLeft(), opening.topRight());
        shade.setColorAt(0, QColor(0, 0, 0, 110));
        shade.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(opening, shade);
        p.restore();
    }
}

void doormat(QPainter& p, bool lifted, bool keyThere)
{
    if (keyThere) {
        // The spare key lies on the flagstone the mat covers.
        const QRectF k = QRectF(at::key).adjusted(3, 4, -3, -4);
        p.save();
        p.setPen(QPen(QColor(20, 18, 16), 1.2));
        p.setBrush(QColor(120, 108, 90));
        p.drawEllipse(QRectF(k.left(), k.top(), k.height(), k.height()));
        p.setBrush(QColor(40, 36, 30));
        p.drawEllipse(QRectF(k.left() + 4, k.top() + 4, k.height() - 8, k.height() - 8));
        p.setBrush(QColor(120, 108, 90));
        p.drawRect(QRectF(k.left() + k.height() - 1, k.center().y() - 2, k.width() - k.height() - 2, 4));
        p.drawRect(QRectF(k.right() - 8, k.center().y(), 3, 6));
        p.drawRect(QRectF(k.right() - 4, k.center().y(), 3, 5));
        p.restore();
    }
    QPolygonF shape = lifted ? QPolygonF{{260, 381}, {380, 381}, {388, 400}, {252, 400}}
                             : QPolygonF{{260, 384}, {380, 384}, {394, 418}, {246, 418}};
    QPainterPath mat;
    mat.addPolygon(shape);
    mat.closeSubpath();
    const QColor light = lifted ? QColor(128, 96, 62) : QColor(150, 108, 62);
    const QColor dark = lifted ? QColor(70, 50, 32) : QColor(82, 56, 30);
    fillTextured(p, mat, noiseTexture(QSize(W, H), dark, light, 1.6, 3, lifted ? 93 : 91, 1.8));
    p.save();
    p.setClipPath(mat);
    p.setPen(QPen(QColor(60, 30, 20, 180), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(shape);
    if (!lifted) {
        p.setPen(QPen(QColor(110, 40, 30, 160), 2));
        p.drawLine(QPointF(258, 392), QPointF(384, 392));
        p.drawLine(QPointF(250, 410), QPointF(390, 410));
    }
    p.restore();
    if (lifted) {
        // The near edge turned back over itself.
        QPainterPath fold;
        fold.moveTo(252, 400);
        fold.quadTo(320, 408, 388, 400);
        p.setPen(QPen(QColor(170, 130, 84), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(fold);
        fold.translate(0, 2.5);
        p.setPen(QPen(QColor(30, 20, 14), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(fold);
    }
}

}  // namespace

QImage door(bool open, bool matLifted, bool keyThere)
{
    QImage image = canvas();
    QPainter p(&image);
    begin(p);
    towerWall(p);
    flagstones(p, QRectF(0, 380, W, 100), QColor(92, 88, 84), QColor(38, 36, 38), 73);
    // The doorstep.
    p.setPen(QPen(QColor(25, 25, 28), 1.2));
    p.setBrush(QColor(86, 84, 88));
    p.drawRect(QRectF(246, 360, 148, 18));
    doorway(p, open);
    doormat(p, matLifted, keyThere);
    // Steps down to the shore on the left.
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(20, 20, 24), 1.2));
        p.setBrush(QColor(70 - i * 8, 68 - i * 8, 70 - i * 8));
        p.drawRect(QRectF(20 - i * 6, 410 + i * 18, 150 + i * 10, 18));
    }
    lantern(p, QPointF(444, 214), 38, true);
    p.setPen(QPen(QColor(20, 18, 16), 4));
    p.drawLine(QPointF(444, 190), QPointF(470, 180));
    vignette(p, QRect(0, 0, W, H), 0.55);
    return image;
}

// ---------------------------------------------------------------- Stairs

QImage brickTile()
{
    // 96 x 64: two courses of blocks, the second shifted by half a block, so
    // the tile repeats without a seam.
    const int tw = 96, th = 64;
    QImage tile = noiseTexture(QSize(tw, th), QColor(58, 46, 40), QColor(120, 98, 80), 6, 4, 101, 1.5, 16);
    QPainter p(&tile);
    p.setPen(Qt::NoPen);
    QRandomGenerator rng(5);
    auto block = [&](double x, double y, double w, double h) {
        const int shade = rng.bounded(40) - 20;
        p.setBrush(QColor(0, 0, 0, shade > 0 ? shade * 3 : 0));
        p.drawRect(QRectF(x + 2, y + 2, w - 4, h - 4));
        p.setBrush(QColor(255, 230, 200, shade < 0 ? -shade : 0));
        p.drawRect(QRectF(x + 2, y + 2, w - 4, h - 4));
        p.setBrush(QColor(255, 255, 255, 25));
        p.drawRect(QRectF(x + 2, y + 2, w - 4, 2));
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRect(QRectF(x + 2, y + h - 4, w - 4, 2));
    };
    block(0, 0, 48, 32);
    block(48, 0, 48, 32);
    block(-24, 32, 48, 32);
    block(24, 32, 48, 32);
    block(72, 32, 48, 32);
    p.setBrush(QColor(30, 26, 24));
    p.drawRect(0, 0, tw, 2);
    p.drawRect(0, 32, tw, 2);
    p.drawRect(0, 0, 2, 32);
    p.drawRect(48, 0, 2, 32);
    p.drawRect(24, 32, 2, 32);
    p.drawRect(72, 32, 2, 32);
    return tile;
}

namespace {

void spiralStairs(QPainter& p)
{
    const QRect r = at::stairsUp;
    p.save();
    p.setClipRect(r);
    // A warm light falls from the top of the stair.
    glow(p, QPointF(505, 130), 110, QColor(255, 170, 90, 60));
    const double cx = 520;
    // Steps wind up behind the central column: drawn from the top down so
    // the lower steps cover the upper ones.
    for (int i = 13; i >= 0; --i) {
        const double y = 400 - i * 28;
        const double a = i * 0.55;
        const double x1 = cx + std::cos(a + 3.3) * 100;
        const double x2 = cx + std::cos(a + 3.9) * 100;
        const bool behind = std::sin(a + 3.6) > 0.2;
        const double shade = behind ? 0.55 : 1.0;
        const double light = std::max(0.4, 1.0 - i * 0.04);
        QPolygonF tread{{cx - 8, y - 10}, {x1, y - 8}, {x2, y + 6}, {cx + 8, y}};
        QPolygonF riser{{x1, y - 8}, {x2, y + 6}, {x2, y + 20}, {x1, y + 8}};
        p.setPen(QPen(QColor(20, 16, 14), 1.2));
        p.setBrush(QColor(int(130 * shade * light), int(118 * shade * light), int(104 * shade * light)));
        p.drawPolygon(tread);
        p.setBrush(QColor(int(70 * shade * light), int(60 * shade * light), int(54 * shade * light)));
        p.drawPolygon(riser);
    }
    // Central column.
    QLinearGradient col(cx - 14, 0, cx + 14, 0);
    col.setColorAt(0, QColor(40, 34, 30));
    col.setColorAt(0.4, QColor(120, 108, 96));
    col.setColorAt(1, QColor(34, 30, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawRect(QRectF(cx - 14, r.top(), 28, 410 - r.top()));
    // Iron hand rail.
    QPainterPath rail;
    for (int i = 0; i <= 40; ++i) {
        const double a = i * 0.18;
        const QPointF pt(cx + std::cos(a + 3.3) * 104, 360 - i * 9.0);
        i == 0 ? rail.moveTo(pt) : rail.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 20, 22), 3.5));
    p.drawPath(rail);
    for (int i = 0; i <= 40; i += 3) {
        const double a = i * 0.18;
        const QPointF pt(cx + std::cos(a + 3.3) * 104, 360 - i * 9.0);
        p.setPen(QPen(QColor(20, 20, 22), 1.5));
        p.drawLine(pt, pt + QPointF(0, 34));
    }
    p.restore();
}

void stairsDoorway(QPainter& p)
{
    const QRectF opening(40, 140, 90, 240);
    QPainterPath surround = archPath(opening.adjusted(-12, -12, 12, 0));
    fillTextured(p, surround, noiseTexture(QSize(W, H), QColor(46, 40, 38), QColor(100, 92, 86), 8, 5, 111, 1.6));
    QPainterPath hole = archPath(opening);
    p.save();
    p.setClipPath(hole);
    sky(p, opening.toRect(), skyTop, skyLow);
    stars(p, opening.toRect(), 12, 8);
    sea(p, QRectF(40, 300, 90, 80), seaFar, seaNear, crest, 19, 0.6);
    // The door leaf, open inwards.
    QPainterPath leaf;
    leaf.addPolygon(QPolygonF{{106, 380}, {106, 176}, {130, 150}, {130, 380}});
    leaf.closeSubpath();
    planks(p, leaf, QColor(100, 68, 42), QColor(44, 30, 18), 113, 8);
    p.restore();
}

void floorAndHatch(QPainter& p)
{
    flagstones(p, QRectF(at::stairsFloor), QColor(96, 86, 76), QColor(36, 32, 30), 121);
    // Skirting shadow where the wall meets the floor.
    QLinearGradient skirt(0, 380, 0, 392);
    skirt.setColorAt(0, QColor(0, 0, 0, 160));
    skirt.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRect(0, 380, W, 12), skirt);
    // The open trapdoor: its lid lies back on the floor, a ladder goes down.
    const QPolygonF hole{{180, 404}, {300, 404}, {316, 456}, {166, 456}};
    p.setPen(QPen(QColor(30, 22, 16), 2));
    p.setBrush(QColor(6, 6, 8));
    p.drawPolygon(hole);
    QPainterPath lid;
    lid.addPolygon(QPolygonF{{184, 404}, {296, 404}, {290, 396}, {190, 396}});
    lid.closeSubpath();
    planks(p, lid, QColor(100, 72, 46), QColor(50, 34, 22), 123, 4, false);
    p.setPen(QPen(QColor(80, 60, 40), 4));
    p.drawLine(QPointF(214, 404), QPointF(206, 470));
    p.drawLine(QPointF(266, 404), QPointF(274, 470));
    p.setPen(QPen(QColor(70, 52, 36), 3));
    for (double y = 418; y < 456; y += 14)
        p.drawLine(QPointF(212, y), QPointF(270, y));
    QLinearGradient deep(0, 404, 0, 456);
    deep.setColorAt(0, QColor(0, 0, 0, 0));
    deep.setColorAt(1, QColor(0, 0, 0, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(deep);
    p.drawPolygon(hole);
}

}  // namespace

QImage stairs()
{
    QImage image = canvas();
    QPainter p(&image);
    begin(p);
    const QImage tile = brickTile();
    for (int x = 0; x < W; x += tile.width())
        for (int y = 0; y < H; y += tile.height())
            p.drawImage(x, y, tile);
    floorAndHatch(p);
    stairsDoorway(p);
    spiralStairs(p);
    return image;
}

// ---------------------------------------------------------------- Cellar

namespace {

void jar(QPainter& p, QPointF bottom, double w, double h, const QColor& c)
{
    QRectF body(bottom.x() - w / 2, bottom.y() - h, w, h);
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, c.darker(200));
    g.setColorAt(0.35, c.lighter(130));
    g.setColorAt(1, c.darker(250));
    p.setPen(QPen(QColor(10, 10, 12), 1));
    p.setBrush(g);
    p.drawRoundedRect(body, 3, 3);
    p.setBrush(QColor(60, 50, 40));
    p.drawRect(QRectF(body.left() + 1, body.top() - 4, w - 2, 5));
}

void barrel(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(30, 20, 14));
    g.setColorAt(0.4, QColor(110, 76, 48));
    g.setColorAt(1, QColor(24, 16, 12));
    QPainterPath body;
    body.moveTo(r.left() + 6, r.top());
    body.quadTo(r.left() - 4, r.center().y(), r.left() + 6, r.bottom());
    body.lineTo(r.right() - 6, r.bottom());
    body.quadTo(r.right() + 4, r.center().y(), r.right() - 6, r.top());
    body.closeSubpath();
    p.setPen(QPen(QColor(12, 8, 6), 1.2));
    p.setBrush(g);
    p.drawPath(body);
    p.setPen(QPen(QColor(30, 30, 34), 3));
    for (double f : {0.15, 0.5, 0.85})
        p.drawLine(QPointF(r.left() + 1, r.top() + r.height() * f), QPointF(r.right() - 1, r.top() + r.height() * f));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 50, 34));
    p.drawEllipse(QRectF(r.left() + 6, r.top() - 5, r.width() - 12, 10));
}

void crate(QPainter& p, const QRectF& r, int seed)
{
    QPainterPath box;
    box.addRect(r);
    planks(p, box, QColor(120, 88, 56), QColor(52, 36, 22), seed, r.height() / 4, false);
    p.setPen(QPen(QColor(40, 28, 18), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(2, 2, -2, -2));
    p.drawLine(r.topLeft() + QPointF(3, 3), r.bottomRight() - QPointF(3, 3));
}

}  // namespace

QImage cellar(bool withCan, bool withCat)
{
    QImage image = canvas();
    image.fill(cellarColour());
    QPainter p(&image);
    begin(p);
    // Floor boards, fading into the dark.
    {
        QPainterPath floor;
        floor.addRect(QRectF(at::cellarFloor));
        planks(p, floor, QColor(58, 46, 36), QColor(20, 18, 20), 131, 12, false);
        QLinearGradient fade(0, 430, 0, 446);
        fade.setColorAt(0, cellarColour());
        fade.setColorAt(1, QColor(14, 20, 32, 0));
        p.fillRect(QRect(0, 430, W, 16), fade);
    }
    // The ladder up to the open hatch, where the light comes from.
    {
        QLinearGradient shaft(0, 0, 0, 430);
        shaft.setColorAt(0, QColor(255, 190, 110, 120));
        shaft.setColorAt(1, QColor(255, 190, 110, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shaft);
        p.drawPolygon(QPolygonF{{284, 0}, {356, 0}, {366, 430}, {274, 430}});
        p.setBrush(QColor(200, 150, 90));
        p.drawRect(QRectF(280, 0, 80, 8));
        p.setPen(QPen(QColor(96, 70, 44), 6));
        p.drawLine(QPointF(292, 0), QPointF(286, 432));
        p.drawLine(QPointF(348, 0), QPointF(354, 432));
        p.setPen(QPen(QColor(84, 62, 40), 4));
        for (double y = 30; y < 430; y += 36)
            p.drawLine(QPointF(290, y), QPointF(350, y));
    }
    // Shelves of jars, rope and candle ends.
    {
        const QRectF s(QRectF(at::shelves).adjusted(6, 6, -6, -4));
        p.setPen(QPen(QColor(20, 14, 10), 1));
        p.setBrush(QColor(60, 44, 30));
        p.drawRect(QRectF(s.left(), s.top(), 8, s.height()));
        p.drawRect(QRectF(s.right() - 8, s.top(), 8, s.height()));
        const QColor jars[] = {QColor(120, 140, 80), QColor(150, 90, 60), QColor(90, 110, 140), QColor(160, 140, 80)};
        QRandomGenerator rng(3);
        for (int shelf = 0; shelf < 4; ++shelf) {
            const double y = s.top() + 70 + shelf * 78;
            p.setPen(QPen(QColor(20, 14, 10), 1));
            p.setBrush(QColor(82, 60, 40));
            p.drawRect(QRectF(s.left(), y, s.width(), 8));
            double x = s.left() + 16;
            while (x < s.right() - 26) {
                const double w = 14 + rng.bounded(12.0);
                const double h = 22 + rng.bounded(30.0);
                if (rng.bounded(5) == 0) {
                    // A coil of rope.
                    p.setPen(QPen(QColor(150, 120, 80), 3));
                    p.setBrush(Qt::NoBrush);
                    for (int k = 0; k < 3; ++k)
                        p.drawEllipse(QPointF(x + 14, y - 12 - k * 3), 14 - k * 2, 10 - k * 2);
                    x += 34;
                } else {
                    jar(p, QPointF(x + w / 2, y), w, h, jars[rng.bounded(4)]);
                    x += w + 4 + rng.bounded(6.0);
                }
            }
        }
        QLinearGradient dim(s.topLeft(), s.topRight());
        dim.setColorAt(0, QColor(14, 20, 32, 170));
        dim.setColorAt(1, QColor(14, 20, 32, 20));
        p.setPen(Qt::NoPen);
        p.fillRect(s.adjusted(-1, -1, 1, 1), dim);
    }
    // Barrels and crates, with the oil can standing on the big crate.
    {
        barrel(p, QRectF(560, 300, 62, 130));
        crate(p, QRectF(410, 280, 120, 150), 141);
        crate(p, QRectF(520, 360, 70, 70), 143);
        if (withCat) {
            // Two eyes in the gap between the crates and the barrel.
            p.setPen(Qt::NoPen);
            for (double x : {598.0, 614.0}) {
                glow(p, QPointF(x, 376), 8, QColor(120, 255, 120, 120));
                p.setBrush(QColor(170, 255, 120));
                p.drawEllipse(QPointF(x, 376), 4.5, 3);
                p.setBrush(Qt::black);
                p.drawEllipse(QPointF(x, 376), 1.2, 2.6);
            }
        }
        if (withCan) {
            const QRectF c = QRectF(at::oilCan).adjusted(6, 14, -6, -2);
            QLinearGradient g(c.topLeft(), c.topRight());
            g.setColorAt(0, QColor(90, 20, 18));
            g.setColorAt(0.35, QColor(210, 60, 44));
            g.setColorAt(1, QColor(70, 16, 14));
            p.setPen(QPen(QColor(30, 8, 8), 1.2));
            p.setBrush(g);
            p.drawRoundedRect(c, 4, 4);
            p.setBrush(QColor(150, 140, 120));
            p.drawRect(QRectF(c.right() - 12, c.top() - 10, 6, 12));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(40, 40, 44), 3));
            p.drawArc(QRectF(c.left() + 4, c.top() - 10, c.width() - 20, 20), 0, 180 * 16);
            p.setPen(QPen(QColor(240, 220, 200), 1));
            p.setFont(QFont(QStringLiteral("DejaVu Sans"), 6, QFont::Bold));
            p.drawText(c.adjusted(0, 10, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("OIL"));
            glow(p, QPointF(c.left() + 12, c.top() + 8), 10, QColor(255, 220, 180, 120));
        }
        QLinearGradient dim(0, 262, 0, 430);
        dim.setColorAt(0, QColor(14, 20, 32, 0));
        dim.setColorAt(1, QColor(14, 20, 32, 120));
        p.fillRect(QRect(400, 262, 232, 168), dim);
    }
    return image;
}

// ---------------------------------------------------------------- Lamp room

namespace {

void fresnelLens(QPainter& p, bool lit)
{
    const double cx = 320;
    const double top = 92, bottom = 352;
    // The brass pedestal.
    QLinearGradient brass(286, 0, 354, 0);
    brass.setColorAt(0, QColor(70, 50, 20));
    brass.setColorAt(0.4, lit ? QColor(230, 190, 110) : QColor(160, 120, 60));
    brass.setColorAt(1, QColor(60, 40, 16));
    p.setPen(QPen(QColor(30, 20, 10), 1.2));
    p.setBrush(brass);
    p.drawRect(QRectF(292, bottom, 56, 34));
    p.drawRect(QRectF(276, bottom + 30, 88, 8));
    // Glass rings, widest at the middle band.
    const int rings = 13;
    for (int i = 0; i < rings; ++i) {
        const double t0 = double(i) / rings, t1 = double(i + 1) / rings;
        const double y0 = top + (bottom - top) * t0, y1 = top + (bottom - top) * t1;
        auto half = [](double t) { return 26 + 52 * std::sin(t * M_PI); };
        const double w0 = half(t0), w1 = half(t1);
        QPainterPath ring;
        ring.moveTo(cx - w0, y0);
        ring.lineTo(cx + w0, y0);
        ring.lineTo(cx + w1, y1);
        ring.lineTo(cx - w1, y1);
        ring.closeSubpath();
        QLinearGradient g(cx - std::max(w0, w1), 0, cx + std::max(w0, w1), 0);
        const bool band = i == rings / 2;
        if (lit) {
            g.setColorAt(0, QColor(180, 110, 40));
            g.setColorAt(0.45, band ? QColor(255, 255, 240) : QColor(255, 236, 170));
            g.setColorAt(1, QColor(170, 100, 36));
        } else {
            g.setColorAt(0, QColor(20, 30, 44));
            g.setColorAt(0.3, band ? QColor(120, 150, 170) : QColor(80, 104, 124));
            g.setColorAt(0.55, QColor(36, 50, 66));
            g.setColorAt(1, QColor(14, 20, 30));
        }
        p.setPen(QPen(lit ? QColor(140, 90, 30) : QColor(10, 14, 20), 1.2));
        p.setBrush(g);
        p.drawPath(ring);
    }
    // Brass ribs.
    p.setPen(QPen(lit ? QColor(200, 150, 70) : QColor(90, 70, 36), 2.5));
    for (double f : {-0.6, 0.0, 0.6}) {
        QPainterPath rib;
        rib.moveTo(cx + f * 26, top);
        rib.quadTo(cx + f * 110, (top + bottom) / 2, cx + f * 26, bottom);
        p.drawPath(rib);
    }
    p.setBrush(QColor(60, 44, 20));
    p.drawEllipse(QPointF(cx, top - 4), 26, 6);
    if (lit) {
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        glow(p, QPointF(cx, 222), 118, QColor(255, 210, 120, 200));
        glow(p, QPointF(cx, 222), 46, QColor(255, 255, 235, 255));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

void glazing(QPainter& p)
{
    // Storm beyond the glass.
    const QRect outside(0, 0, W, 330);
    sky(p, outside, QColor(10, 12, 26), QColor(34, 42, 66));
    clouds(p, outside, cloudDark, cloudRim, 0.6, 151, 100, 0);
    sea(p, QRectF(0, 250, W, 80), seaFar, seaNear, crest, 153, 1.2);
    rain(p, outside, 500, 155, 0.2, QColor(150, 165, 200, 110));
    // Astragals: upright frames and diagonal bars.
    p.setPen(QPen(QColor(18, 18, 22), 7));
    for (int x = 0; x <= W; x += 128)
        p.drawLine(QPointF(x, 0), QPointF(x, 330));
    p.setPen(QPen(QColor(24, 24, 28), 3));
    for (int x = -330; x < W; x += 64) {
        p.drawLine(QPointF(x, 330), QPointF(x + 330, 0));
        p.drawLine(QPointF(x, 0), QPointF(x + 330, 330));
    }
    p.setPen(QPen(QColor(18, 18, 22), 9));
    p.drawLine(QPointF(0, 8), QPointF(W, 8));
    p.drawLine(QPointF(0, 326), QPointF(W, 326));
    // Reflections on the glass.
    p.setPen(Qt::NoPen);
    QLinearGradient sheen(0, 0, W, 330);
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.5, QColor(200, 210, 255, 18));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(outside, sheen);
}

}  // namespace

QImage lampRoom(bool lit)
{
    QImage image = canvas();
    QPainter p(&image);
    begin(p);
    glazing(p);
    // The iron wall below the glass and the wooden floor.
    QPainterPath wall;
    wall.addRect(QRectF(0, 330, W, 52));
    fillTextured(p, wall, noiseTexture(QSize(W, H), QColor(28, 34, 34), QColor(66, 74, 70), 12, 4, 161, 1.4));
    p.setPen(QPen(QColor(12, 14, 14), 2));
    for (int x = 0; x < W; x += 80)
        p.drawLine(QPointF(x, 332), QPointF(x, 380));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 140, 130));
    for (int x = 8; x < W; x += 20) {
        p.drawEllipse(QPointF(x, 336), 1.3, 1.3);
        p.drawEllipse(QPointF(x, 376), 1.3, 1.3);
    }
    QPainterPath floor;
    floor.addRect(QRectF(0, 382, W, 98));
    planks(p, floor, QColor(110, 80, 52), QColor(40, 28, 20), 163, 14, false);
    // Hatch down to the stair, with a rail round it.
    const QPolygonF hatch{{60, 410}, {170, 410}, {182, 462}, {44, 462}};
    p.setPen(QPen(QColor(20, 14, 10), 2));
    p.setBrush(QColor(8, 6, 6));
    p.drawPolygon(hatch);
    glow(p, QPointF(112, 470), 40, QColor(255, 170, 90, 80));
    p.setPen(QPen(QColor(24, 24, 26), 3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(44, 462), QPointF(44, 404));
    p.drawLine(QPointF(182, 462), QPointF(182, 404));
    p.drawLine(QPointF(44, 404), QPointF(60, 380));
    p.drawLine(QPointF(182, 404), QPointF(170, 380));
    p.drawLine(QPointF(60, 380), QPointF(170, 380));
    // The keeper's desk with the log book.
    {
        p.setPen(QPen(QColor(20, 14, 10), 1.2));
        p.setBrush(QColor(80, 56, 36));
        p.drawRect(QRectF(44, 300, 124, 10));
        p.drawRect(QRectF(50, 310, 8, 60));
        p.drawRect(QRectF(154, 310, 8, 60));
        QPolygonF left{{66, 298}, {104, 294}, {104, 270}, {70, 276}};
        QPolygonF right{{104, 294}, {144, 298}, {140, 276}, {104, 270}};
        p.setBrush(QColor(210, 200, 170));
        p.drawPolygon(left);
        p.drawPolygon(right);
        p.setPen(QPen(QColor(80, 70, 60), 0.8));
        for (int i = 0; i < 5; ++i) {
            p.drawLine(QPointF(74, 280 + i * 3.5), QPointF(100, 276 + i * 3.5));
            p.drawLine(QPointF(108, 276 + i * 3.5), QPointF(136, 280 + i * 3.5));
        }
        p.setPen(QPen(QColor(20, 14, 10), 1));
        p.setBrush(QColor(20, 20, 30));
        p.drawRect(QRectF(148, 286, 10, 12));
        p.setPen(QPen(QColor(200, 200, 190), 1));
        p.drawLine(QPointF(153, 286), QPointF(164, 266));
    }
    // The door out to the gallery, its glass showing the storm.
    {
        const QRectF d = QRectF(at::galleryDoor).adjusted(6, 6, -6, -4);
        p.setPen(QPen(QColor(14, 16, 16), 2));
        p.setBrush(QColor(40, 52, 50));
        p.drawRect(d);
        p.setBrush(QColor(20, 28, 44, 220));
        p.drawRect(d.adjusted(12, 14, -12, -d.height() / 2));
        p.setBrush(QColor(36, 46, 46));
        p.drawRect(d.adjusted(12, d.height() / 2 + 8, -12, -14));
        p.setBrush(QColor(170, 140, 70));
        p.drawEllipse(QPointF(d.right() - 16, d.center().y() + 4), 4, 4);
    }
    fresnelLens(p, lit);
    vignette(p, QRect(0, 0, W, H), 0.5);
    return image;
}

// ---------------------------------------------------------------- Gallery

namespace {

void teeth(QPainter& p, bool lit)
{
    const QColor light = lit ? QColor(120, 118, 120) : QColor(56, 58, 70);
    const QColor dark = lit ? QColor(30, 28, 30) : QColor(10, 10, 16);
    const QPolygonF rocks[] = {
        {{70, 296}, {86, 262}, {96, 250}, {104, 270}, {118, 296}},
        {{120, 298}, {136, 256}, {146, 236}, {160, 258}, {172, 298}},
        {{176, 300}, {188, 272}, {200, 262}, {214, 280}, {226, 300}},
        {{230, 300}, {240, 282}, {252, 276}, {262, 290}, {280, 302}},
    };
    int seed = 171;
    for (const QPolygonF& r : rocks)
        rock(p, r, light, dark, seed++);
    foam(p, QPolygonF{{66, 298}, {100, 300}, {140, 301}, {180, 302}, {220, 302}, {260, 303}, {284, 303}}, 173,
         lit ? 20 : 14);
}

}  // namespace

QImage gallery(bool lit)
{
    // Drawn at 640 x 480 and handed out at half size: the frame stretches it.
    QImage big = canvas();
    {
        QPainter p(&big);
        begin(p);
        const QRect skyRect(0, 0, W, 150);
        sky(p, skyRect, skyTop, skyLow);
        clouds(p, skyRect, cloudDark, cloudRim, 0.62, 181, 120, 0);
        sea(p, QRectF(0, 150, W, 330), seaFar, seaNear, crest, 183, 1.6);
        if (lit) {
            // The beam comes from the lamp behind the viewer and sweeps the sea.
            p.save();
            p.setCompositionMode(QPainter::CompositionMode_Screen);
            QPainterPath beam;
            beam.moveTo(-10, 118);
            beam.lineTo(640, 150);
            beam.lineTo(640, 330);
            beam.lineTo(-10, 150);
            beam.closeSubpath();
            QLinearGradient g(0, 0, W, 0);
            g.setColorAt(0, QColor(255, 240, 180, 110));
            g.setColorAt(1, QColor(255, 230, 160, 25));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawPath(beam);
            p.restore();
        }
        teeth(p, lit);
        Ship s;
        s.waterline = QPointF(446, 272);
        s.scale = 0.72;
        s.faceLeft = !lit;  // towards the reef in the dark, turning away once she sees the light
        s.sail = lit ? QColor(220, 210, 180) : QColor(110, 112, 124);
        ship(p, s);
        rain(p, QRect(0, 0, W, 380), 500, 185, 0.3, QColor(150, 165, 200, 100));
        // The gallery rail in front of the viewer.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(16, 16, 20));
        p.drawRect(QRectF(0, 440, W, 40));
        p.setPen(QPen(QColor(24, 24, 28), 8));
        p.drawLine(QPointF(0, 392), QPointF(W, 392));
        p.setPen(QPen(QColor(24, 24, 28), 5));
        p.drawLine(QPointF(0, 418), QPointF(W, 418));
        for (int x = 20; x < W; x += 70)
            p.drawLine(QPointF(x, 392), QPointF(x, 442));
        p.setPen(QPen(QColor(90, 96, 110), 1.5));
        p.drawLine(QPointF(0, 389), QPointF(W, 389));
        vignette(p, QRect(0, 0, W, H), 0.5);
    }
    return big.scaled(W / 2, H / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------- Beam

QImage beam()
{
    QImage image = canvas();
    QPainter p(&image);
    begin(p);
    const QRect skyRect(0, 0, W, 290);
    sky(p, skyRect, skyTop, skyLow);
    stars(p, QRect(0, 0, W, 120), 60, 191);
    clouds(p, skyRect, cloudDark, cloudRim, 0.5, 193, 140, 200);
    sea(p, QRectF(0, 290, W, 190), seaFar, seaNear, crest, 195, 1.2);
    rock(p, QPolygonF{{40, 330}, {70, 300}, {110, 282}, {160, 276}, {210, 286}, {240, 310}, {270, 336}, {40, 340}},
         QColor(70, 72, 86), QColor(18, 18, 26), 197);
    foam(p, QPolygonF{{40, 334}, {100, 338}, {160, 339}, {220, 338}, {270, 334}}, 199, 16);
    Lighthouse l;
    l.base = QPointF(154, 282);
    l.height = 230;
    l.width = 52;
    l.lit = true;
    l.beam = 336;  // down towards the ship
    l.beamLength = 640;
    lighthouse(p, l);
    // The reef in the foreground, lit by the beam.
    const QPolygonF reef[] = {{{300, 380}, {320, 346}, {334, 336}, {350, 360}, {362, 382}},
                              {{360, 384}, {372, 356}, {386, 342}, {398, 366}, {412, 386}}};
    int seed = 201;
    for (const QPolygonF& r : reef)
        rock(p, r, QColor(120, 118, 120), QColor(26, 24, 28), seed++);
    foam(p, QPolygonF{{296, 384}, {330, 386}, {370, 387}, {412, 388}}, 203, 18);
    Ship s;
    s.waterline = QPointF(516, 330);
    s.scale = 0.9;
    s.faceLeft = false;
    s.sail = QColor(226, 216, 186);
    ship(p, s);
    rain(p, QRect(0, 0, W, H), 260, 205, 0.3, QColor(150, 165, 200, 80));
    vignette(p, QRect(0, 0, W, H), 0.45);
    QFont font(QStringLiteral("DejaVu Serif"), 17);
    font.setItalic(true);
    outlinedText(p, QRectF(20, 410, W - 40, 60), Qt::AlignHCenter | Qt::AlignTop, font,
                 QStringLiteral("The beam sweeps the sea. Just in time,\nthe Albatross turns away from the Teeth..."),
                 QColor(240, 230, 205), QColor(0, 0, 0, 200), 4);
    return image;
}

// ---------------------------------------------------------------- Dawn

QImage dawn()
{
    QImage image = canvas();
    QPainter p(&image);
    begin(p);
    const QRect skyRect(0, 0, W, 270);
    QLinearGradient g(0, 0, 0, 270);
    g.setColorAt(0, QColor(60, 80, 140));
    g.setColorAt(0.45, QColor(200, 130, 130));
    g.setColorAt(0.8, QColor(250, 190, 120));
    g.setColorAt(1, QColor(255, 225, 160));
    p.fillRect(skyRect, g);
    glow(p, QPointF(330, 268), 180, QColor(255, 230, 160, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200));
    p.drawEllipse(QPointF(330, 268), 30, 30);
    clouds(p, skyRect, QColor(150, 100, 120, 200), QColor(255, 200, 160), 0.45, 211, 150, 0);
    sea(p, QRectF(0, 270, W, 210), QColor(130, 120, 150), QColor(40, 56, 90), QColor(200, 170, 170), 213, 0.35);
    // The sun's path on the water.
    QRandomGenerator rng(215);
    for (int i = 0; i < 120; ++i) {
        const double y = 272 + rng.bounded(200.0);
        const double spread = 10 + (y - 270) * 0.3;
        const double x = 330 + rng.bounded(spread * 2) - spread;
        p.setPen(QPen(QColor(255, 230, 170, 80 + rng.bounded(140)), 1.5));
        p.drawLine(QPointF(x - 5 - (y - 270) * 0.06, y), QPointF(x + 5 + (y - 270) * 0.06, y));
    }
    // Gull Rock and the lighthouse in the morning, the lamp still burning.
    rock(p, QPolygonF{{430, 300}, {460, 262}, {500, 240}, {560, 232}, {610, 236}, {640, 244}, {640, 312}, {430, 312}},
         QColor(150, 120, 120), QColor(50, 40, 50), 217);
    Lighthouse l;
    l.base = QPointF(548, 238);
    l.height = 200;
    l.width = 48;
    l.lit = true;
    lighthouse(p, l);
    // The Albatross at anchor with her sails furled, and a small boat rowing home.
    Ship s;
    s.waterline = QPointF(160, 292);
    s.scale = 0.95;
    s.sailsSet = false;
    s.lanterns = false;
    s.hull = QColor(60, 40, 36);
    ship(p, s);
    p.setPen(QPen(QColor(30, 24, 30), 1.5));
    p.setBrush(QColor(70, 50, 40));
    QPainterPath boat;
    boat.moveTo(380, 352);
    boat.lineTo(426, 352);
    boat.quadTo(420, 362, 388, 362);
    boat.closeSubpath();
    p.drawPath(boat);
    p.drawLine(QPointF(392, 356), QPointF(378, 366));
    p.drawLine(QPointF(414, 356), QPointF(430, 366));
    p.setBrush(QColor(40, 40, 60));
    p.drawEllipse(QPointF(403, 346), 4, 5);
    // Gulls.
    p.setPen(QPen(QColor(50, 40, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (QPointF gull : {QPointF(250, 120), QPointF(282, 100), QPointF(440, 140), QPointF(470, 90)}) {
        QPainterPath w;
        w.moveTo(gull + QPointF(-10, 2));
        w.quadTo(gull + QPointF(-5, -5), gull);
        w.quadTo(gull + QPointF(5, -5), gull + QPointF(10, 2));
        p.drawPath(w);
    }
    // A painted sign: "The End".
    {
        const QRectF r = QRectF(at::theEnd).adjusted(6, 8, -6, -8);
        QPainterPath board;
        board.addRoundedRect(r, 8, 8);
        planks(p, board, QColor(150, 110, 70), QColor(80, 54, 32), 219, r.height() / 3, false);
        p.setPen(QPen(QColor(50, 30, 18), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(board);
        QFont font(QStringLiteral("DejaVu Serif"), 24, QFont::Bold);
        font.setItalic(true);
        outlinedText(p, r.adjusted(0, 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop, font, QStringLiteral("The End"),
                     QColor(250, 236, 200), QColor(60, 30, 20), 3);
    }
    vignette(p, QRect(0, 0, W, H), 0.3);
    return image;
}

// ---------------------------------------------------------------- Pointers and icons

namespace {

QImage icon()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage walkPointer()
{
    // An arrow pointing the way: the hot spot is its tip at (16, 1).
    QImage image = icon();
    QPainter p(&image);
    begin(p);
    QPainterPath arrow;
    arrow.moveTo(16, 1);
    arrow.lineTo(29, 15);
    arrow.lineTo(21, 15);
    arrow.lineTo(21, 30);
    arrow.lineTo(11, 30);
    arrow.lineTo(11, 15);
    arrow.lineTo(3, 15);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, QColor(255, 240, 170));
    g.setColorAt(1, QColor(230, 160, 60));
    p.setBrush(g);
    p.drawPath(arrow);
    return image;
}

QImage lookPointer()
{
    // A magnifying glass; as an icon its hot spot is the centre.
    QImage image = icon();
    QPainter p(&image);
    begin(p);
    p.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 21), QPointF(29, 29));
    p.setPen(QPen(QColor(150, 100, 50), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 21), QPointF(28, 28));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(180, 210, 240, 150));
    p.drawEllipse(QPointF(14, 14), 10, 10);
    p.setPen(QPen(QColor(220, 200, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(14, 14), 8.5, 8.5);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(8, 8, 12, 12), 100 * 16, 60 * 16);
    return image;
}

QImage handPointer()
{
    // A reaching hand; the hot spot is the tip of the index finger at (12, 1).
    QImage image = icon();
    QPainter p(&image);
    begin(p);
    QPainterPath hand;
    hand.moveTo(10, 4);
    hand.quadTo(12, 0, 14, 4);
    hand.lineTo(14, 14);
    hand.quadTo(16, 11, 18, 14);
    hand.quadTo(20, 12, 22, 15);
    hand.quadTo(24, 13, 26, 16);
    hand.lineTo(26, 24);
    hand.quadTo(25, 30, 19, 31);
    hand.lineTo(13, 31);
    hand.quadTo(9, 29, 5, 21);
    hand.quadTo(4, 17, 7, 18);
    hand.lineTo(10, 21);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.6));
    p.setBrush(QColor(250, 225, 195));
    p.drawPath(hand);
    p.setPen(QPen(QColor(150, 110, 90), 1));
    p.drawLine(QPointF(18, 14), QPointF(18, 19));
    p.drawLine(QPointF(22, 15), QPointF(22, 20));
    return image;
}

QImage shellIcon()
{
    QImage image = icon();
    QPainter p(&image);
    begin(p);
    conch(p, QRectF(1, 4, 30, 24));
    return image;
}

QImage keyIcon()
{
    QImage image = icon();
    QPainter p(&image);
    begin(p);
    p.translate(16, 16);
    p.rotate(-35);
    p.setPen(QPen(QColor(30, 26, 20), 1.5));
    p.setBrush(QColor(150, 135, 110));
    p.drawEllipse(QPointF(-9, 0), 6.5, 6.5);
    p.drawRect(QRectF(-3, -2, 17, 4));
    p.drawRect(QRectF(9, 1, 3, 6));
    p.drawRect(QRectF(4, 1, 3, 5));
    p.setBrush(QColor(40, 36, 30));
    p.drawEllipse(QPointF(-9, 0), 2.8, 2.8);
    return image;
}

QImage oilCanIcon()
{
    QImage image = icon();
    QPainter p(&image);
    begin(p);
    QLinearGradient g(7, 0, 25, 0);
    g.setColorAt(0, QColor(110, 24, 20));
    g.setColorAt(0.35, QColor(225, 70, 50));
    g.setColorAt(1, QColor(90, 20, 16));
    p.setPen(QPen(QColor(30, 8, 8), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(7, 10, 18, 20), 3, 3);
    p.setBrush(QColor(170, 160, 140));
    p.drawRect(QRectF(19, 3, 4, 8));
    p.setPen(QPen(QColor(40, 40, 44), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 4, 10, 12), 0, 180 * 16);
    return image;
}

}  // namespace scenes
