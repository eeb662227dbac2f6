#pragma once

#include <QPixmap>
#include <QWidget>

#include <vector>

class ImageControl;
struct FrameBackground;

// The game's picture area (the game window's PictureBox): the frame's
// background under its areas and the inventory icons. A colour fills it, a
// stretched picture lies in BackImage, and a tile is painted from its
// top-left corner. It takes the game's keys and the presses on it, so that
// they do not reach the black margin around it.
class PictureArea : public QWidget {
    Q_OBJECT

public:
    explicit PictureArea(QWidget* parent = nullptr);

    ImageControl* backImage() const { return m_backImage; }

    // The game drawn `factor` times its size: the tile and BackImage grow.
    void setScale(int factor, bool sharp);
    int scale() const { return m_scale; }

    // False when the background is a picture that cannot be shown (no
    // such file, or not one we can read); the background is then left as
    // it was.
    bool showBackground(const FrameBackground& background);
    // Whether the frame on screen is tiled: tiles are painted only then.
    void setTiled(bool tiled) { m_tiled = tiled; }
    const QPixmap& tilePicture() const { return m_tile; }
    // The places where the tile is painted, in pixels of the widget.
    std::vector<QPoint> tilePositions() const;

signals:
    // A key pressed: 27 for Escape, 0 for any other.
    void keyDown(int keyCode);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ImageControl* m_backImage = nullptr;
    QPixmap m_tile;  // the hidden ImageTile's picture
    bool m_tiled = false;
    int m_scale = 1;
    bool m_sharp = false;
};
