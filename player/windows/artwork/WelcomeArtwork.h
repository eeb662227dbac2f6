#pragma once

#include <QPixmap>
#include <QString>

// The welcome window's own artwork, drawn once at start-up: the "Welcome to"
// banner, the paper texture, the picture buttons with their captions, the
// "made with Quendara" plate of the information panel and its back arrow.
namespace WelcomeArtwork {

QPixmap banner(QSize size);
QPixmap paperTile();
QPixmap button(const QString& caption, QSize size, int ornament, int captionPixels);
// The largest caption size at which every caption fits its button.
int captionPixels(const QStringList& captions, QSize size);
QPixmap panelPlate(QSize size);
QPixmap backArrow(QSize size);

}  // namespace WelcomeArtwork
