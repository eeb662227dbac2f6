#include "platform/pictures/EmfTextRecords.h"

#include "platform/Windows1252.h"
#include "platform/pictures/EmfRecords.h"

using namespace EmfRecords;

namespace {

constexpr qsizetype emrTextSize = 40;

}  // namespace

void EmfTextRecords::extTextOut(ByteReader& in, QByteArrayView record, bool wide)
{
    in.skip(16);  // bounds
    in.skip(12);  // graphics mode, scales
    emrText(in, record, wide);
}

void EmfTextRecords::polyTextOut(ByteReader& in, QByteArrayView record, bool wide)
{
    in.skip(16);  // bounds
    in.skip(12);  // graphics mode, scales
    const uint32_t count = in.u32();
    // Each run takes its 40 bytes in the record, which bounds the count.
    for (uint32_t i = 0; i < count && in.ok() && in.has(emrTextSize); ++i) {
        const qsizetype next = in.position() + emrTextSize;
        emrText(in, record, wide);
        in.seek(next);
    }
}

void EmfTextRecords::emrText(ByteReader& in, QByteArrayView record, bool wide)
{
    TextRun run;
    run.reference = readPoint(in, false);
    const uint32_t count = in.u32();
    const uint32_t offString = in.u32();
    run.options = in.u32();
    const QRectF rect = readBox(in);
    const uint32_t offDx = in.u32();
    if (!in.ok())
        return;
    if (run.options & (Gdi::EtoOpaque | Gdi::EtoClipped))
        run.rect = rect;
    const qsizetype bytes = qsizetype(count) * (wide ? 2 : 1);
    if (offString > record.size() || bytes > record.size() - offString)
        return;
    const QByteArrayView chars = record.sliced(offString, bytes);
    if (wide) {
        // The characters are little-endian on disk.
        run.text.resize(count);
        for (qsizetype i = 0; i < run.text.size(); ++i)
            run.text[i] = QChar(uint16_t(uint8_t(chars[2 * i]) | uint8_t(chars[2 * i + 1]) << 8));
    } else {
        run.text = Windows1252::decode(chars.toByteArray());
    }
    const int step = (run.options & Gdi::EtoPdy) ? 8 : 4;
    if (offDx != 0 && offDx <= record.size() && qsizetype(count) * step <= record.size() - offDx) {
        ByteReader dx(record, offDx);
        for (uint32_t i = 0; i < count; ++i) {
            run.advances.append(dx.i32());
            if (step == 8)
                dx.i32();
        }
    }
    p_.canvas.text(p_.dc, run);
}
