#pragma once

#include <QImage>
#include <QWidget>

// The window a video is drawn in: a child of the window named by the open
// command, in its top-left corner at the video's own size, above its
// siblings.
class VideoSurface final : public QWidget {
    Q_OBJECT
public:
    explicit VideoSurface(QWidget* parent = nullptr);

    void showFrame(const QImage& frame);
    const QImage& frame() const { return m_frame; }
    // Pictures shown since the surface was made.
    qint64 framesShown() const { return m_framesShown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_frame;
    qint64 m_framesShown = 0;
};
