#include "editor/shell/windows/FrameThumbnail.h"
#include "support/TempProject.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

QImage drawn(const QString& frame, bool starting)
{
    return FrameThumbnail::of(frame, starting, QSize(48, 48)).pixmap(QSize(48, 48)).toImage();
}

TEST(FrameThumbnailTest, ShowsTheColourOrPictureAndMarksTheStartingFrame)
{
    TempProject project;
    project.makeGame();
    project.writeLines(QStringLiteral("Frames/Red.fme"), {QStringLiteral("0"), QStringLiteral("\"255\"")});
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(project.path() + QStringLiteral("Frames/sea.bmp")));
    project.writeLines(QStringLiteral("Frames/Sea.fme"), {QStringLiteral("1"), QStringLiteral("\"sea.bmp\"")});

    const QImage red = drawn(QStringLiteral("Red"), false);
    EXPECT_EQ(red.pixelColor(24, 24), QColor(Qt::red));
    EXPECT_EQ(red.pixelColor(3, 9), QColor(Qt::red));
    EXPECT_EQ(drawn(QStringLiteral("Sea"), false).pixelColor(24, 24), QColor(Qt::blue));
    // The starting frame's corner carries the flag.
    EXPECT_EQ(drawn(QStringLiteral("Red"), true).pixelColor(3, 9), QColor(0, 160, 0));
    // A frame that cannot be read is still shown, without its colour.
    EXPECT_NE(drawn(QStringLiteral("Missing"), false).pixelColor(24, 24), QColor(Qt::red));
}

}  // namespace
