// One picture format that our own code decodes, chosen at build time:
// bitmaps (BMP/DIB), icons and cursors (also as mouse pointers), Windows
// metafiles and enhanced metafiles. Inputs of another format are left to
// that format's target.

#include "fuzz/support/FuzzProject.h"
#include "platform/pictures/EmfPlayer.h"
#include "platform/pictures/ImageLimits.h"
#include "platform/pictures/Pictures.h"
#include "platform/pictures/WmfPlayer.h"

#include <cstdio>
#include <cstdlib>

#define QUENDARA_PICTURE_BMP 1
#define QUENDARA_PICTURE_ICON 2
#define QUENDARA_PICTURE_WMF 3
#define QUENDARA_PICTURE_EMF 4

namespace {

bool isOurs(QByteArrayView bytes)
{
#if QUENDARA_PICTURE == QUENDARA_PICTURE_BMP
    return bytes.startsWith("BM");
#elif QUENDARA_PICTURE == QUENDARA_PICTURE_ICON
    return bytes.startsWith(QByteArrayView("\0\0\1\0", 4)) || bytes.startsWith(QByteArrayView("\0\0\2\0", 4));
#elif QUENDARA_PICTURE == QUENDARA_PICTURE_WMF
    return WmfPlayer::recognizes(bytes) && !EmfPlayer::recognizes(bytes);
#elif QUENDARA_PICTURE == QUENDARA_PICTURE_EMF
    return EmfPlayer::recognizes(bytes);
#else
#error "QUENDARA_PICTURE names no format"
#endif
}

void requireFits(const QImage& image)
{
    if (!image.isNull() && !ImageLimits::fits(image.width(), image.height())) {
        std::fprintf(stderr, "picture: %d x %d is past the picture limits\n", image.width(), image.height());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::folder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!isOurs(bytes))
        return -1;
    requireFits(Pictures::decode(bytes));
#if QUENDARA_PICTURE == QUENDARA_PICTURE_ICON
    // The same file as a custom mouse pointer, read from the Icons folder.
    FuzzProject::write(QStringLiteral("Icons/pointer.cur"), bytes);
    FuzzProject::Guard guard;
    const std::optional<Pictures::Pointer> pointer = Pictures::pointer(bytes);
    if (pointer) {
        requireFits(pointer->image);
        if (!QRect(QPoint(), pointer->image.size()).contains(pointer->hotSpot)) {
            std::fprintf(stderr, "picture: the hot spot lies outside the pointer\n");
            std::abort();
        }
    }
    (void)Pictures::cursor(FuzzProject::folder() + QStringLiteral("Icons/pointer.cur"));
#endif
    return 0;
}
