#include "tools/IcoWrk32/ToolStroke.h"

#include "tools/IcoWrk32/IconDocument.h"
#include "tools/IcoWrk32/PixelPainter.h"

void ToolStroke::press(DrawingTool tool, QPoint pixel, QRgb colour)
{
    if (m_active)
        release(m_last);
    m_picked.reset();
    if (tool == DrawingTool::PickColour) {
        if (m_document.image().rect().contains(pixel))
            m_picked = m_document.image().pixel(pixel);
        return;
    }
    if (tool == DrawingTool::HotSpot && m_document.kind() != IconDocument::Kind::Pointer)
        return;
    m_tool = tool;
    m_colour = tool == DrawingTool::Eraser ? IconDocument::transparent : colour;
    m_active = true;
    m_start = m_last = pixel;
    m_document.beginChange();
    m_before = m_document.image();
    draw(pixel);
}

void ToolStroke::move(QPoint pixel)
{
    if (!m_active || pixel == m_last)
        return;
    draw(pixel);
    m_last = pixel;
}

void ToolStroke::release(QPoint pixel)
{
    if (!m_active)
        return;
    move(pixel);
    m_active = false;
    m_before = QImage();
    m_document.endChange();
}

void ToolStroke::draw(QPoint pixel)
{
    QImage& image = m_document.pixels();
    switch (m_tool) {
    case DrawingTool::Pencil:
    case DrawingTool::Eraser:
        PixelPainter::line(image, m_last, pixel, m_colour);
        break;
    case DrawingTool::Line:
        image = m_before;
        PixelPainter::line(image, m_start, pixel, m_colour);
        break;
    case DrawingTool::Rectangle:
        image = m_before;
        PixelPainter::rectangle(image, m_start, pixel, m_colour);
        break;
    case DrawingTool::Fill:
        if (pixel == m_start)
            PixelPainter::fill(image, pixel, m_colour);
        break;
    case DrawingTool::HotSpot:
        m_document.setHotSpot(pixel);
        break;
    case DrawingTool::PickColour:
        break;
    }
}
