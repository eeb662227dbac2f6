#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/EmfBitmapRecords.h"
#include "platform/pictures/EmfObjectRecords.h"
#include "platform/pictures/EmfRegionRecords.h"
#include "platform/pictures/EmfShapeRecords.h"
#include "platform/pictures/EmfTextRecords.h"
#include "platform/pictures/MetafilePlayback.h"

#include <QByteArrayView>
#include <QImage>
#include <QTransform>

// One playing of an enhanced metafile's records onto a picture: each record
// changes the device context or draws. Comments (where EMF+ lives), colour
// management, palette animation and unknown records are passed over; a
// record too short for its parameters does nothing.
class EmfSession {
public:
    EmfSession(QImage& image, const QTransform& outer, uint32_t handles, double unitsPerMm);

    // `in` reads `record` from just after its type and size.
    void play(uint32_t type, ByteReader& in, QByteArrayView record);

private:
    void worldTransform(uint32_t type, ByteReader& in);

    MetafilePlayback p_;
    EmfShapeRecords shapes_{p_};
    EmfBitmapRecords bitmaps_{p_};
    EmfObjectRecords objects_{p_, bitmaps_};
    EmfTextRecords text_{p_};
    EmfRegionRecords regions_{p_, objects_};
};
