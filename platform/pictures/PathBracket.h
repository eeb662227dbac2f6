#pragma once

#include <QPainterPath>
#include <QPointF>

#include <optional>

// The path an EMF builds between BeginPath and EndPath, in picture pixels.
// While it is open, figures are added to it instead of being drawn; once
// closed, one fill, stroke, clip or widen uses it up.
class PathBracket {
public:
    void begin()
    {
        path_ = QPainterPath();
        collecting_ = true;
        have_ = true;
    }
    void end() { collecting_ = false; }
    void abort()
    {
        path_ = QPainterPath();
        collecting_ = false;
        have_ = false;
    }
    bool collecting() const { return collecting_; }

    // The path that EndPath finished, if any.
    std::optional<QPainterPath> finished() const
    {
        if (!have_ || collecting_)
            return std::nullopt;
        return path_;
    }
    // Replaces the finished path (WidenPath).
    void replace(const QPainterPath& path)
    {
        if (have_ && !collecting_)
            path_ = path;
    }

    // A figure of its own.
    void add(const QPainterPath& figure) { path_.addPath(figure); }
    // Segments that continue the current figure.
    void connect(const QPainterPath& segments)
    {
        if (path_.elementCount() == 0)
            path_.addPath(segments);
        else
            path_.connectPath(segments);
    }
    void moveTo(QPointF p) { path_.moveTo(p); }
    void closeFigure()
    {
        if (collecting_)
            path_.closeSubpath();
    }

private:
    QPainterPath path_;
    bool collecting_ = false;
    bool have_ = false;
};
