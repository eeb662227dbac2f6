#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/MetafilePlayback.h"

#include <QByteArrayView>

// The EMF records that write text: ExtTextOutA/W (one run) and
// PolyTextOutA/W (several), each run an EmrText whose characters and
// advances lie at offsets from the record's start.
class EmfTextRecords {
public:
    explicit EmfTextRecords(MetafilePlayback& playback) : p_(playback) {}

    void extTextOut(ByteReader& in, QByteArrayView record, bool wide);
    void polyTextOut(ByteReader& in, QByteArrayView record, bool wide);

private:
    // Reads one EmrText and writes it.
    void emrText(ByteReader& in, QByteArrayView record, bool wide);

    MetafilePlayback& p_;
};
