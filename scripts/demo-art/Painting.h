// Drawing helpers shared by the demo game's scenes: fractal noise for
// textures and clouds, skies, seas, rocks, the lighthouse and the ship.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace art {

// Smooth value noise in [0, 1]. With a period the noise repeats every
// `period` units in x and y, which makes seamless tiles.
double noise(double x, double y, int seed, int period = 0);
// Sum of `octaves` noise layers, each twice as fine and half as strong.
double fbm(double x, double y, int octaves, int seed, int period = 0);

QColor mix(const QColor& a, const QColor& b, double t);

// A picture of `size` whose colour runs from a to b with fractal noise.
QImage noiseTexture(QSize size, const QColor& a, const QColor& b, double scale, int octaves,
                    int seed, double contrast = 1.0, int period = 0);
void fillTextured(QPainter& p, const QPainterPath& shape, const QImage& texture);

// Soft light: a radial gradient from `colour` to nothing.
void glow(QPainter& p, QPointF centre, double radius, const QColor& colour);
void vignette(QPainter& p, const QRect& area, double strength);

void sky(QPainter& p, const QRect& area, const QColor& top, const QColor& bottom);
void stars(QPainter& p, const QRect& area, int count, int seed);
// Clouds from thresholded noise; `cover` 0..1, `shift` moves them sideways.
void clouds(QPainter& p, const QRect& area, const QColor& colour, const QColor& rim, double cover,
            int seed, double scale, double shift = 0);
// Sea from the horizon down to the bottom of `area`, with wave strokes.
void sea(QPainter& p, const QRectF& area, const QColor& far, const QColor& near, const QColor& crest,
         int seed, double roughness, double phase = 0);
void rock(QPainter& p, const QPolygonF& outline, const QColor& light, const QColor& dark, int seed);
void rain(QPainter& p, const QRect& area, int count, int seed, double slant, const QColor& colour);

struct Lighthouse {
    QPointF base;          // middle of the tower's foot
    double height = 200;   // foot to the top of the cap
    double width = 50;     // width at the foot
    bool lit = false;
    double beam = -1;      // direction of the beam in degrees, < 0 for none
    double beamLength = 700;
};
void lighthouse(QPainter& p, const Lighthouse& l);
QPointF lampCentre(const Lighthouse& l);

struct Ship {
    QPointF waterline;    // middle of the hull at the water
    double scale = 1;
    bool lanterns = true;
    bool faceLeft = false;
    bool sailsSet = true;
    QColor hull = QColor(40, 28, 22);
    QColor sail = QColor(150, 150, 160);
};
void ship(QPainter& p, const Ship& s);

// Text with a dark outline, for titles and captions.
void outlinedText(QPainter& p, const QRectF& box, int flags, const QFont& font, const QString& text,
                  const QColor& fill, const QColor& outline, double outlineWidth);

}  // namespace art
