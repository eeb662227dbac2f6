#pragma once

#include <QPoint>
#include <QtTest>

// A left-button drag on `on` from `from` to `to` (in its coordinates), with
// one move half-way, as a hand on the mouse makes it.
inline void mouseDrag(QWidget* on, QPoint from, QPoint to)
{
    QTest::mousePress(on, Qt::LeftButton, {}, from);
    QTest::mouseMove(on, (from + to) / 2);
    QTest::mouseMove(on, to);
    QTest::mouseRelease(on, Qt::LeftButton, {}, to);
}
