#pragma once

#include <QImage>
#include <QWidget>

// The window a video is drawn in: a child of the window named by the open
// command, in its top-left corner at the video's own size, above its
// siblings. A parent window whose "videoScale" property holds a whole
// factor above 1 gets the video that many times larger, smooth or, when its
// "videoSharp" property is true, with square sharp pixels.
class VideoSurface final : public QWidget {
    Q_OBJECT
public:
    explicit VideoSurface(QWidget* parent = nullptr);

    // Places the surface for a video of `videoSize` at its parent's factor.
    void fitVideo(QSize videoSize);
    int scale() const { return m_scale; }

    void showFrame(const QImage& frame);
    const QImage& frame() const { return m_frame; }
    // Pictures shown since the surface was made.
    qint64 framesShown() const { return m_framesShown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_frame;
    qint64 m_framesShown = 0;
    int m_scale = 1;
    bool m_sharp = false;
};
