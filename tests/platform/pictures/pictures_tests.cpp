#include "PictureCompare.h"
#include "RecordBuilders.h"

#include "platform/pictures/Pictures.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using PictureCompare::fixture;

namespace {

// Pixels that differ between two same-sized pictures by more than
// `tolerance` in a colour channel, or at all in whether they are opaque.
int differingPixels(const QImage& a, const QImage& b, int tolerance)
{
    if (a.size() != b.size())
        return -1;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if ((qAlpha(p) == 0) != (qAlpha(q) == 0)) {
                ++differing;
                continue;
            }
            if (qAlpha(p) == 0)
                continue;
            if (std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance
                || std::abs(qBlue(p) - qBlue(q)) > tolerance)
                ++differing;
        }
    }
    return differing;
}

class BitmapFileTest : public testing::TestWithParam<const char*> {};

// ImageMagick's reading of each bitmap is the reference. Scaling 5- and
// 6-bit channels to 8 bits may round a level or two apart. For 4-bit
// channels ImageMagick only shifts (15 becomes 240) where we scale to the
// full range (15 becomes 255), so there one 4-bit step (17) is allowed.
TEST_P(BitmapFileTest, ReadsEveryPixelAsImageMagickDoes)
{
    const QString name = QString::fromLatin1(GetParam());
    const QImage picture = Pictures::load(fixture(GetParam()));
    ASSERT_FALSE(picture.isNull()) << GetParam();
    EXPECT_EQ(picture.size(), QSize(37, 23));
    const QImage reference(fixture(qPrintable(QString(name).replace(QStringLiteral(".bmp"), QStringLiteral("-reference.png")))));
    const int tolerance = name.contains(QStringLiteral("444")) ? 17 : 2;
    EXPECT_EQ(differingPixels(picture, reference, tolerance), 0) << GetParam();
    EXPECT_FALSE(picture.hasAlphaChannel() && qAlpha(picture.pixel(0, 0)) != 255) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(EveryDepth, BitmapFileTest,
                         testing::Values("bmp1.bmp", "bmp4.bmp", "bmp4-os2.bmp", "bmp8.bmp", "bmp8-rle.bmp",
                                         "bmp16-555.bmp", "bmp16-565.bmp", "bmp16-444.bmp", "bmp24.bmp",
                                         "bmp32.bmp", "bmp32-ffmpeg.bmp"));

TEST(PicturesTest, FindsFilesWhateverTheCaseOfTheirNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(fixture("bmp24.bmp"), dir.filePath(QStringLiteral("Door.BMP"))));
    EXPECT_EQ(Pictures::load(dir.filePath(QStringLiteral("door.bmp"))).size(), QSize(37, 23));
}

TEST(PicturesTest, TakesTheFormatFromTheContentsNotTheName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(fixture("photo.jpg"), dir.filePath(QStringLiteral("photo.bmp"))));
    ASSERT_TRUE(QFile::copy(fixture("shapes.emf"), dir.filePath(QStringLiteral("shapes.wmf"))));
    EXPECT_EQ(Pictures::load(dir.filePath(QStringLiteral("photo.bmp"))).size(), QSize(37, 23));
    EXPECT_EQ(Pictures::load(dir.filePath(QStringLiteral("shapes.wmf"))).size(), QSize(298, 218));
}

TEST(PicturesTest, ReportsMissingAndUnreadableFilesWithANullPicture)
{
    QTemporaryDir dir;
    QFile text(dir.filePath(QStringLiteral("notes.bmp")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture at all");
    text.close();
    EXPECT_TRUE(Pictures::load(dir.filePath(QStringLiteral("missing.bmp"))).isNull());
    EXPECT_TRUE(Pictures::load(text.fileName()).isNull());
    EXPECT_TRUE(Pictures::load(dir.path()).isNull());
    EXPECT_FALSE(Pictures::cursor(text.fileName()).has_value());
    EXPECT_FALSE(Pictures::cursor(fixture("bmp24.bmp")).has_value());
}

// A device of `size` bytes: `head`, then zeros, made up as they are read,
// counting what was read.
class MadeUpFile : public QIODevice {
public:
    MadeUpFile(QByteArray head, qint64 size) : m_head(std::move(head)), m_size(size) { open(ReadOnly | Unbuffered); }
    qint64 size() const override { return m_size; }
    bool seek(qint64 position) override
    {
        m_at = position;
        return QIODevice::seek(position);
    }
    qint64 served = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = std::min(maxSize, m_size - m_at);
        for (qint64 i = 0; i < count; ++i)
            data[i] = m_at + i < m_head.size() ? m_head[m_at + i] : '\0';
        m_at += count;
        served += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_head;
    qint64 m_size = 0;
    qint64 m_at = 0;
};

// What a file's first bytes show is checked before the rest is read: a large
// file that is no picture, or whose header announces a picture far beyond
// our limits, costs one small read.
TEST(PicturesTest, ReadsOnlyTheStartOfAFileThatIsNoPictureWeTake)
{
    constexpr qint64 large = qint64(200) * 1024 * 1024;
    constexpr qint64 bounded = 64 * 1024;
    MadeUpFile zeros({}, large);
    EXPECT_TRUE(Pictures::read(zeros).isNull());
    EXPECT_LE(zeros.served, bounded);

    QByteArray bitmap("BM");
    bitmap += QByteArray(12, '\0');
    RecordBuilders::put32(bitmap, 40);
    RecordBuilders::put32(bitmap, 1000000);  // a million pixels wide
    RecordBuilders::put32(bitmap, 1000000);
    MadeUpFile huge(bitmap, large);
    EXPECT_TRUE(Pictures::read(huge).isNull());
    EXPECT_LE(huge.served, bounded);

    QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\1\0\0\0\1\0\0", 24);  // 65536 x 65536
    MadeUpFile wide(png, large);
    EXPECT_TRUE(Pictures::read(wide).isNull());
    EXPECT_LE(wide.served, bounded);

    // A picture is read whole, whatever device it comes from.
    QFile fixtureFile(fixture("bmp24.bmp"));
    ASSERT_TRUE(fixtureFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = fixtureFile.readAll();
    MadeUpFile real(bytes, bytes.size());
    EXPECT_EQ(Pictures::read(real).size(), QSize(37, 23));
    EXPECT_EQ(real.served, bytes.size());

    // And a file on disk the same way.
    QTemporaryDir dir;
    QFile empty(dir.filePath(QStringLiteral("zeros.bmp")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    ASSERT_TRUE(empty.resize(large));  // sparse: takes no room
    empty.close();
    EXPECT_TRUE(Pictures::load(empty.fileName()).isNull());
}

TEST(PicturesTest, ReadsGifJpegAndPngWithTheirTransparency)
{
    const QImage gif = Pictures::load(fixture("transparent.gif"));
    ASSERT_EQ(gif.size(), QSize(40, 30));
    EXPECT_EQ(qAlpha(gif.pixel(0, 0)), 0);
    EXPECT_EQ(QColor(gif.pixel(20, 15)), QColor(0x20, 0x60, 0xff));

    // An animated GIF shows its first frame.
    const QImage animated = Pictures::load(fixture("animated.gif"));
    ASSERT_EQ(animated.size(), QSize(20, 10));
    EXPECT_EQ(QColor(animated.pixel(10, 5)), QColor(Qt::red));

    const QImage jpeg = Pictures::load(fixture("photo.jpg"));
    ASSERT_EQ(jpeg.size(), QSize(37, 23));
    const QImage source(fixture("bmp24-reference.png"));
    // JPEG is lossy: colours stay near the original, not equal to it.
    EXPECT_LE(differingPixels(jpeg, source, 48), 37 * 23 / 20);

    const QImage png = Pictures::load(fixture("alpha.png"));
    ASSERT_EQ(png.size(), QSize(30, 20));
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
    EXPECT_NEAR(qAlpha(png.pixel(10, 10)), 0x80, 1);
}

TEST(IconTest, ShowsTheLargestImageOfAnIconAsIcotoolExtractsIt)
{
    const QImage icon = Pictures::load(fixture("multi.ico"));
    ASSERT_EQ(icon.size(), QSize(48, 48));
    EXPECT_EQ(differingPixels(icon, QImage(fixture("multi-48-reference.png")), 0), 0);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);

    // A "Vista" icon keeps its large image as PNG.
    const QImage vista = Pictures::load(fixture("vista.ico"));
    ASSERT_EQ(vista.size(), QSize(48, 48));
    EXPECT_EQ(differingPixels(vista, QImage(fixture("multi-48-reference.png")), 0), 0);
}

TEST(IconTest, ShowsACursorFileAsAPicture)
{
    const QImage arrow = Pictures::load(fixture("arrow.cur"));
    ASSERT_EQ(arrow.size(), QSize(32, 32));
    EXPECT_EQ(differingPixels(arrow, QImage(fixture("arrow-reference.png")), 0), 0);
}

TEST(PointerTest, TakesTheHotSpotOfACursorFromTheFile)
{
    const std::optional<QCursor> arrow = Pictures::cursor(fixture("arrow.cur"));
    ASSERT_TRUE(arrow.has_value());
    EXPECT_EQ(arrow->hotSpot(), QPoint(1, 2));
    EXPECT_EQ(arrow->pixmap().size(), QSize(32, 32));

    // Of several sizes the pointer takes the one nearest the standard 32.
    QFile file(fixture("two-sizes.cur"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<Pictures::Pointer> pointer = Pictures::pointer(file.readAll());
    ASSERT_TRUE(pointer.has_value());
    EXPECT_EQ(pointer->image.size(), QSize(48, 48));
    EXPECT_EQ(pointer->hotSpot, QPoint(5, 9));
}

TEST(PointerTest, PutsTheHotSpotOfAnIconInTheMiddle)
{
    const std::optional<QCursor> icon = Pictures::cursor(fixture("multi.ico"));
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(icon->hotSpot(), QPoint(16, 16));
}

}  // namespace
