#include "Painting.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

double hash(int x, int y, int seed)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xFFFFFF) / double(0xFFFFFF);
}

double smooth(double t) { return t * t * (3 - 2 * t); }

double smoothstep(double a, double b, double x)
{
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return smooth(t);
}

int wrap(int v, int period)
{
    if (period <= 0)
        return v;
    v %= period;
    return v < 0 ? v + period : v;
}

}  // namespace

double noise(double x, double y, int seed, int period)
{
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const int xa = wrap(x0, period), xb = wrap(x0 + 1, period);
    const int ya = wrap(y0, period), yb = wrap(y0 + 1, period);
    const double a = hash(xa, ya, seed), b = hash(xb, ya, seed);
    const double c = hash(xa, yb, seed), d = hash(xb, yb, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

double fbm(double x, double y, int octaves, int seed, int period)
{
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * noise(x, y, seed + i * 101, period);
        total += amplitude;
        x *= 2;
        y *= 2;
        if (period > 0)
            period *= 2;
        amplitude *= 0.5;
    }
    return sum / total;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QImage noiseTexture(QSize size, const QColor& a, const QColor& b, double scale, int octaves, int seed,
                    double contrast, int period)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            double v = fbm(x / scale, y / scale, octaves, seed, period);
            v = std::clamp(0.5 + (v - 0.5) * contrast, 0.0, 1.0);
            line[x] = mix(a, b, v).rgba();
        }
    }
    return image;
}

void fillTextured(QPainter& p, const QPainterPath& shape, const QImage& texture)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(texture));
    p.drawPath(shape);
    p.restore();
}

void glow(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient g(centre, radius);
    QColor clear = colour;
    clear.setAlpha(0);
    QColor mid = colour;
    mid.setAlpha(colour.alpha() / 3);
    g.setColorAt(0, colour);
    g.setColorAt(0.35, mid);
    g.setColorAt(1, clear);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void vignette(QPainter& p, const QRect& area, double strength)
{
    QRadialGradient g(area.center(), area.width() * 0.75);
    g.setColorAt(0.45, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, int(255 * strength)));
    p.fillRect(area, g);
}

void sky(QPainter& p, const QRect& area, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(area, g);
}

void stars(QPainter& p, const QRect& area, int count, int seed)
{
    QRandomGenerator rng{quint32(seed)};
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = area.left() + rng.bounded(area.width());
        const double y = area.top() + rng.bounded(area.height());
        const int bright = 120 + rng.bounded(135);
        const double r = rng.bounded(10) == 0 ? 1.3 : 0.7;
        p.setBrush(QColor(bright, bright, std::min(255, bright + 20), 200));
        p.drawEllipse(QPointF(x, y), r, r);
    }
    p.restore();
}

void clouds(QPainter& p, const QRect& area, const QColor& colour, const QColor& rim, double cover, int seed,
            double scale, double shift)
{
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            const double v = fbm((x + shift) / scale, y / (scale * 0.45), 6, seed);
            const double a = smoothstep(1 - cover, 1 - cover + 0.22, v);
            if (a <= 0)
                continue;
            // Lit edges where the cloud thins out, dark bellies where it is thick.
            const double edge = 1 - smoothstep(1 - cover + 0.02, 1 - cover + 0.3, v);
            QColor c = mix(colour, rim, edge * 0.8);
            c.setAlphaF(float(a * colour.alphaF()));
            line[x] = qPremultiply(c.rgba());
        }
    }
    p.drawImage(area.topLeft(), image);
}

void sea(QPainter& p, const QRectF& area, const QColor& far, const QColor& near, const QColor& crest, int seed,
         double roughness, double phase)
{
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, far);
    g.setColorAt(1, near);
    p.fillRect(area, g);
    p.save();
    p.setClipRect(area);
    QRandomGenerator rng{quint32(seed)};
    const double h = area.height();
    // Rows of wave strokes, closer together towards the horizon.
    for (double d = 0.004; d < 1.0; d += 0.012 + d * 0.05) {
        const double y = area.top() + h * d;
        const double size = 2 + d * 26 * roughness;
        const int count = int(area.width() / (8 + d * 40) * roughness) + 4;
        for (int i = 0; i < count; ++i) {
            const double x = area.left() + rng.bounded(area.width() + 40.0) - 20;
            const double n = noise(x / 60 + phase, y / 20, seed);
            if (n < 0.35)
                continue;
            QColor c = mix(near, crest, 0.12 + n * 0.45 * (0.3 + d));
            c.setAlpha(int(60 + 110 * n));
            p.setPen(QPen(c, std::max(0.6, size * 0.12), Qt::SolidLine, Qt::RoundCap));
            const double w = size * (1.5 + rng.bounded(2.0));
            const double yy = y + std::sin(phase * 2 + x * 0.05) * size * 0.15;
            QPainterPath wave;
            wave.moveTo(x - w, yy + size * 0.2);
            wave.quadTo(x, yy - size * 0.35, x + w, yy + size * 0.2);
            p.drawPath(wave);
        }
    }
    p.restore();
}

void rock(QPainter& p, const QPolygonF& outline, const QColor& light, const QColor& dark, int seed)
{
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    const QRectF r = outline.boundingRect();
    QImage tex = noiseTexture(QSize(640, 480), dark, light, 26, 6, seed, 1.8);
    fillTextured(p, path, tex);
    p.save();
    p.setClipPath(path);
    QLinearGradient shade(r.topLeft(), r.bottomRight());
    shade.setColorAt(0, QColor(255, 255, 255, 30));
    shade.setColorAt(0.6, QColor(0, 0, 0, 60));
    shade.setColorAt(1, QColor(0, 0, 0, 150));
    p.fillRect(r, shade);
    // Cracks.
    QRandomGenerator rng{quint32(seed)};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark.darker(160), 1.2));
    for (int i = 0; i < int(r.width() * r.height() / 2500) + 3; ++i) {
        QPointF a(r.left() + rng.bounded(r.width()), r.top() + rng.bounded(r.height()));
        QPainterPath crack;
        crack.moveTo(a);
        for (int k = 0; k < 3; ++k) {
            a += QPointF(rng.bounded(24.0) - 12, rng.bounded(14.0) + 2);
            crack.lineTo(a);
        }
        p.drawPath(crack);
    }
    p.restore();
    p.save();
    p.setPen(QPen(dark.darker(200), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void rain(QPainter& p, const QRect& area, int count, int seed, double slant, const QColor& colour)
{
    QRandomGenerator rng{quint32(seed)};
    p.save();
    p.setClipRect(area);
    for (int i = 0; i < count; ++i) {
        const double x = area.left() + rng.bounded(area.width() + 100.0) - 50;
        const double y = area.top() + rng.bounded(double(area.height()));
        const double len = 8 + rng.bounded(14.0);
        QColor c = colour;
        c.setAlpha(colour.alpha() / 2 + rng.bounded(colour.alpha() / 2 + 1));
        p.setPen(QPen(c, 1));
        p.drawLine(QPointF(x, y), QPointF(x + slant * len, y + len));
    }
    p.restore();
}

QPointF lampCentre(const Lighthouse& l)
{
    const double towerH = l.height * 0.72;
    const double lanternH = l.height * 0.14;
    return {l.base.x(), l.base.y() - towerH - l.height * 0.03 - lanternH / 2};
}

void lighthouse(QPainter& p, const Lighthouse& l)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double towerH = l.height * 0.72;
    const double topW = l.width * 0.62;
    const double x = l.base.x(), y = l.base.y();
    QPainterPath tower;
    tower.moveTo(x - l.width / 2, y);
    tower.lineTo(x - topW / 2, y - towerH);
    tower.lineTo(x + topW / 2, y - towerH);
    tower.lineTo(x + l.width / 2, y);
    tower.closeSubpath();

    // White and red bands, then shading across the curve of the tower.
    const QColor white = l.lit ? QColor(150, 150, 165) : QColor(110, 115, 135);
    const QColor red = l.lit ? QColor(120, 40, 42) : QColor(85, 30, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(tower);
    p.setClipPath(tower);
    const int bands = 4;
    for (int i = 0; i < bands; ++i) {
        const double by = y - towerH * (i + 0.5) / bands;
        p.fillRect(QRectF(x - l.width, by - towerH / bands / 2, l.width * 2, towerH / bands / 2), red);
    }
    QLinearGradient shade(x - l.width / 2, 0, x + l.width / 2, 0);
    shade.setColorAt(0, QColor(0, 0, 0, 150));
    shade.setColorAt(0.35, QColor(255, 255, 255, 40));
    shade.setColorAt(0.6, QColor(0, 0, 0, 30));
    shade.setColorAt(1, QColor(0, 0, 0, 190));
    p.fillRect(tower.boundingRect(), shade);
    p.setClipping(false);

    // A small window half-way up.
    p.setBrush(l.lit ? QColor(230, 190, 110) : QColor(20, 24, 36));
    p.drawRect(QRectF(x - l.width * 0.06, y - towerH * 0.55, l.width * 0.12, l.width * 0.16));

    // Gallery with its rail.
    const double galleryY = y - towerH;
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(x - topW / 2 - l.width * 0.12, galleryY - l.height * 0.015, topW + l.width * 0.24,
                      l.height * 0.03));
    p.setPen(QPen(QColor(25, 25, 30), std::max(1.0, l.width * 0.025)));
    const double railTop = galleryY - l.height * 0.06;
    p.drawLine(QPointF(x - topW / 2 - l.width * 0.1, railTop), QPointF(x + topW / 2 + l.width * 0.1, railTop));
    for (int i = 0; i <= 6; ++i) {
        const double rx = x - topW / 2 - l.width * 0.1 + (topW + l.width * 0.2) * i / 6;
        p.drawLine(QPointF(rx, railTop), QPointF(rx, galleryY));
    }

    // Lantern room.
    const double lanternH = l.height * 0.14;
    const double lanternW = topW * 0.78;
    const QRectF lantern(x - lanternW / 2, galleryY - l.height * 0.03 - lanternH, lanternW, lanternH);
    p.setPen(Qt::NoPen);
    if (l.lit) {
        QLinearGradient g(lantern.topLeft(), lantern.bottomLeft());
        g.setColorAt(0, QColor(255, 250, 200));
        g.setColorAt(1, QColor(255, 200, 90));
        p.setBrush(g);
    } else {
        QLinearGradient g(lantern.topLeft(), lantern.topRight());
        g.setColorAt(0, QColor(25, 35, 55));
        g.setColorAt(0.4, QColor(60, 75, 100));
        g.setColorAt(1, QColor(15, 20, 35));
        p.setBrush(g);
    }
    p.drawRect(lantern);
    p.setPen(QPen(QColor(20, 20, 25), std::max(1.0, l.width * 0.02)));
    for (int i = 0; i <= 3; ++i) {
        const double lx = lantern.left() + lantern.width() * i / 3;
        p.drawLine(QPointF(lx, lantern.top()), QPointF(lx, lantern.bottom()));
    }
    // Cap and finial.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 38));
    QPainterPath cap;
    cap.moveTo(lantern.left() - l.width * 0.06, lantern.top());
    cap.quadTo(x, lantern.top() - l.height * 0.16, lantern.right() + l.width * 0.06, lantern.top());
    cap.closeSubpath();
    p.drawPath(cap);
    p.drawEllipse(QPointF(x, lantern.top() - l.height * 0.085), l.width * 0.035, l.width * 0.035);

    if (l.lit) {
        const QPointF lamp = lantern.center();
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        if (l.beam >= 0) {
            const double a = qDegreesToRadians(l.beam);
            const double spread = qDegreesToRadians(7.0);
            const QPointF tip1 = lamp + QPointF(std::cos(a - spread), -std::sin(a - spread)) * l.beamLength;
            const QPointF tip2 = lamp + QPointF(std::cos(a + spread), -std::sin(a + spread)) * l.beamLength;
            QPainterPath beam;
            beam.moveTo(lamp + QPointF(0, -lanternH * 0.2));
            beam.lineTo(tip1);
            beam.lineTo(tip2);
            beam.lineTo(lamp + QPointF(0, lanternH * 0.2));
            beam.closeSubpath();
            QLinearGradient bg(lamp, (tip1 + tip2) / 2);
            bg.setColorAt(0, QColor(255, 245, 190, 200));
            bg.setColorAt(0.5, QColor(255, 235, 160, 70));
            bg.setColorAt(1, QColor(255, 230, 150, 0));
            p.setBrush(bg);
            p.drawPath(beam);
        }
        glow(p, lamp, l.width * 2.2, QColor(255, 230, 150, 190));
        glow(p, lamp, l.width * 0.8, QColor(255, 250, 220, 255));
    }
    p.restore();
}

void ship(QPainter& p, const Ship& s)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(s.waterline);
    p.scale(s.faceLeft ? -s.scale : s.scale, s.scale);
    // Drawn facing right at scale 1: about 120 wide, 110 tall.
    QPainterPath hull;
    hull.moveTo(-60, -14);
    hull.lineTo(-52, -22);
    hull.lineTo(-40, -20);
    hull.lineTo(48, -16);
    hull.lineTo(62, -24);
    hull.quadTo(55, -2, 40, 4);
    hull.lineTo(-46, 4);
    hull.quadTo(-58, 0, -60, -14);
    p.setPen(QPen(s.hull.darker(180), 1.2));
    p.setBrush(s.hull);
    p.drawPath(hull);
    p.setPen(QPen(s.hull.lighter(170), 1.5));
    p.drawLine(QPointF(-50, -12), QPointF(50, -10));
    // Masts, sails, rigging.
    p.setPen(QPen(QColor(35, 25, 20), 2.2));
    p.drawLine(QPointF(-18, -18), QPointF(-18, -100));
    p.drawLine(QPointF(20, -17), QPointF(20, -88));
    p.drawLine(QPointF(48, -18), QPointF(90, -40));
    if (s.sailsSet) {
        p.setPen(QPen(s.sail.darker(140), 0.8));
        auto sail = [&](double mx, double top, double bottom, double w) {
            QPainterPath sp;
            sp.moveTo(mx - w, top);
            sp.lineTo(mx + w, top);
            sp.quadTo(mx + w + 6, (top + bottom) / 2, mx + w + 2, bottom);
            sp.lineTo(mx - w + 2, bottom);
            sp.quadTo(mx - w + 6, (top + bottom) / 2, mx - w, top);
            QLinearGradient g(mx - w, 0, mx + w, 0);
            g.setColorAt(0, s.sail.darker(130));
            g.setColorAt(0.6, s.sail);
            g.setColorAt(1, s.sail.darker(150));
            p.setBrush(g);
            p.drawPath(sp);
        };
        sail(-18, -96, -64, 22);
        sail(-18, -60, -26, 27);
        sail(20, -84, -56, 19);
        sail(20, -52, -24, 23);
        QPainterPath jib;
        jib.moveTo(24, -86);
        jib.lineTo(86, -40);
        jib.lineTo(40, -26);
        jib.closeSubpath();
        p.setBrush(s.sail.darker(115));
        p.drawPath(jib);
    }
    p.setPen(QPen(QColor(30, 25, 20, 180), 0.6));
    p.drawLine(QPointF(-18, -100), QPointF(-58, -22));
    p.drawLine(QPointF(20, -88), QPointF(60, -24));
    p.drawLine(QPointF(-18, -100), QPointF(20, -88));
    if (s.lanterns) {
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        glow(p, QPointF(-54, -26), 10, QColor(255, 200, 100, 230));
        glow(p, QPointF(-18, -102), 7, QColor(255, 220, 140, 220));
        glow(p, QPointF(62, -27), 7, QColor(120, 255, 140, 200));
    }
    p.restore();
}

void outlinedText(QPainter& p, const QRectF& box, int flags, const QFont& font, const QString& text,
                  const QColor& fill, const QColor& outline, double outlineWidth)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFontMetricsF metrics(font);
    const QRectF bounds = metrics.boundingRect(box, flags, text);
    QPainterPath path;
    const QStringList lines = text.split(QLatin1Char('\n'));
    double y = bounds.top() + metrics.ascent();
    for (const QString& line : lines) {
        const double w = metrics.horizontalAdvance(line);
        double x = bounds.left();
        if (flags & Qt::AlignHCenter)
            x = box.center().x() - w / 2;
        else if (flags & Qt::AlignRight)
            x = box.right() - w;
        path.addText(QPointF(x, y), font, line);
        y += metrics.lineSpacing();
    }
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

}  // namespace art
