#pragma once

#include "tools/IcoWrk32/DrawingTool.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <optional>

class IconDocument;

// One use of a tool: a press on a pixel, moves, and a release, applied to
// the document as a single undo step. Lines and rectangles follow the
// pointer until the release; the pencil and the eraser leave no gaps
// however fast the pointer moves.
class ToolStroke {
public:
    explicit ToolStroke(IconDocument& document) : m_document(document) {}

    void press(DrawingTool tool, QPoint pixel, QRgb colour);
    void move(QPoint pixel);
    void release(QPoint pixel);

    bool active() const { return m_active; }
    // The colour the pick-colour tool took at its press.
    std::optional<QRgb> picked() const { return m_picked; }

private:
    void draw(QPoint pixel);

    IconDocument& m_document;
    DrawingTool m_tool = DrawingTool::Pencil;
    QRgb m_colour = 0;
    bool m_active = false;
    QPoint m_start;
    QPoint m_last;
    QImage m_before;
    std::optional<QRgb> m_picked;
};
