#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/MetafilePlayback.h"
#include "platform/pictures/WmfBitmapRecords.h"
#include "platform/pictures/WmfFrame.h"
#include "platform/pictures/WmfObjectRecords.h"

#include <QByteArrayView>
#include <QImage>

// One playing of a Windows metafile's records onto a picture: each record
// changes the device context or draws. Records that change nothing we draw
// (palette animation, escapes, mapper flags) and unknown ones are passed
// over; a record too short for its parameters does nothing.
class WmfSession {
public:
    WmfSession(QImage& image, const WmfFrame& frame, uint32_t objects);

    void play(uint16_t function, ByteReader& in, QByteArrayView params);

private:
    void polygon(uint16_t function, ByteReader& in);
    void polyPolygon(ByteReader& in);
    void arcRecord(uint16_t function, ByteReader& in);
    void textOut(ByteReader& in, bool extended);
    void regionRecord(uint16_t function, ByteReader& in);
    void selectObject(uint16_t index);

    MetafilePlayback p_;
    WmfObjectRecords objects_{p_};
    WmfBitmapRecords bitmaps_{p_};
};
