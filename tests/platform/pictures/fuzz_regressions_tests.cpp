// Faults the fuzz targets in fuzz/ found in the picture readers, each with
// the input that showed it.

#include "platform/pictures/IconFile.h"
#include "platform/pictures/ImageLimits.h"
#include "platform/pictures/Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray regression(const char* name)
{
    QFile file(QStringLiteral(QUENDARA_TEST_DATA "/fuzz-regressions/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray smallPng()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A chunk of `type` that claims `length` bytes but holds only a few.
QByteArray chunkClaiming(quint32 length, const char* type)
{
    QByteArray chunk(4, 0);
    qToBigEndian(length, chunk.data());
    return chunk + QByteArray(type, 4) + "only a few bytes";
}

// Qt's PNG reader allocates each chunk's declared length before reading it:
// a 666-byte icon whose PNG image has a text chunk claiming 1 GB made it
// allocate 1 GB. PNG data whose chunks run past its end is now refused,
// in icons, in bitmaps and as a picture file of its own.
TEST(PictureFuzzRegressionTest, PngChunksThatRunPastTheDataAreRefused)
{
    const QByteArray icon = regression("icon-png-text-chunk-claims-1gb.ico");
    ASSERT_EQ(icon.size(), 666);
    IconFile file;
    ASSERT_TRUE(file.read(icon));
    ASSERT_EQ(file.entries().size(), 2);
    EXPECT_TRUE(file.image(1).isNull());  // the PNG image with the damaged chunk
    const QImage picture = Pictures::decode(icon);
    EXPECT_TRUE(picture.isNull() || picture.width() == 16);

    const QByteArray png = smallPng();
    ASSERT_TRUE(ImageLimits::pngChunksFit(png));
    EXPECT_EQ(Pictures::decode(png).size(), QSize(4, 3));
    // The same picture with a text chunk claiming 1 GB before its end chunk.
    const qsizetype end = png.size() - 12;
    const QByteArray damaged = png.left(end) + chunkClaiming(0x40000000, "tEXt") + png.mid(end);
    EXPECT_FALSE(ImageLimits::pngChunksFit(damaged));
    EXPECT_TRUE(Pictures::decode(damaged).isNull());
    // Cut inside a chunk, or inside the last chunk's header.
    EXPECT_FALSE(ImageLimits::pngChunksFit(png.left(45)));
    EXPECT_FALSE(ImageLimits::pngChunksFit(png.left(png.size() - 2)));
    EXPECT_TRUE(ImageLimits::pngChunksFit(png.left(8)));
}

}  // namespace

namespace {

// A flood fill in a picture of 100 x 11620 pixels once filled its area
// through a clip region of its rectangles, for which the raster engine
// asked for 2 GB. The area is now filled as a path.
TEST(PictureFuzzRegressionTest, AFloodFillInATallPictureStaysWithinThePicturesMemory)
{
    const QByteArray input = regression("wmf-flood-fill-in-a-tall-picture.wmf");
    ASSERT_FALSE(input.isEmpty());
    // The file is damaged further on; what matters is that reading it ends
    // without asking for more than the picture's own size.
    const QImage image = Pictures::decode(input);
    if (!image.isNull()) {
        EXPECT_EQ(image.size(), QSize(100, 11620));
    }
}

}  // namespace
