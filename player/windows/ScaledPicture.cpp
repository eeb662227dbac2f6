#include "player/windows/ScaledPicture.h"

namespace ScaledPicture {

Qt::TransformationMode transformation(bool sharp) { return sharp ? Qt::FastTransformation : Qt::SmoothTransformation; }

QPixmap pixmap(const QPixmap& picture, int factor, bool sharp)
{
    if (factor <= 1 || picture.isNull())
        return picture;
    return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, transformation(sharp));
}

QCursor cursor(const QCursor& pointer, int factor, bool sharp)
{
    const QPixmap picture = pointer.pixmap();
    if (factor <= 1 || picture.isNull())
        return pointer;
    const QPoint hotSpot = pointer.hotSpot() * factor;
    return QCursor(pixmap(picture, factor, sharp), hotSpot.x(), hotSpot.y());
}

}  // namespace ScaledPicture
