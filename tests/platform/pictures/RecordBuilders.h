#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

// Metafiles built record by record for the record tests: small pictures in
// which one logical unit is one pixel.
namespace RecordBuilders {

inline void put16(QByteArray& b, int v)
{
    b.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}
inline void put32(QByteArray& b, int64_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

// A placeable WMF of 100 x 100 units at 96 units per inch.
class Wmf {
public:
    Wmf& record(uint16_t function, const QList<int>& words)
    {
        put32(body_, 3 + words.size());
        put16(body_, function);
        for (int w : words)
            put16(body_, w);
        return *this;
    }
    Wmf& raw(uint16_t function, const QByteArray& params)
    {
        put32(body_, 3 + params.size() / 2);
        put16(body_, function);
        body_.append(params);
        return *this;
    }
    QByteArray bytes() const
    {
        QByteArray records = body_;
        put32(records, 3);
        put16(records, 0);  // end of file
        QByteArray out;
        put32(out, 0x9AC6CDD7);
        put16(out, 0);
        for (int v : {0, 0, 100, 100, 96})
            put16(out, v);
        put32(out, 0);
        put16(out, 0);
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x300);
        put32(out, int((18 + records.size()) / 2));
        put16(out, 16);
        put32(out, 0);
        put16(out, 0);
        return out + records;
    }

private:
    QByteArray body_;
};

// An EMF whose frame is one inch square: a picture of 96 x 96 pixels on a
// reference device of 96 pixels per inch, one device unit a pixel.
class Emf {
public:
    // A record of 32-bit values.
    Emf& record(uint32_t type, const QList<int64_t>& values)
    {
        QByteArray params;
        for (int64_t v : values)
            put32(params, v);
        return raw(type, params);
    }
    // A record whose parameters (padded to 32 bits) are given as bytes.
    Emf& raw(uint32_t type, QByteArray params)
    {
        while (params.size() % 4)
            params.append('\0');
        put32(body_, type);
        put32(body_, 8 + params.size());
        body_.append(params);
        return *this;
    }
    QByteArray bytes() const
    {
        QByteArray records = body_;
        put32(records, 14);  // end of file
        put32(records, 20);
        put32(records, 0);
        put32(records, 0);
        put32(records, 20);
        QByteArray out;
        put32(out, 1);
        put32(out, 88);
        for (int v : {0, 0, 95, 95})  // bounds, device units
            put32(out, v);
        for (int v : {0, 0, 2540, 2540})  // frame, hundredths of a millimetre
            put32(out, v);
        put32(out, 0x464D4520);
        put32(out, 0x10000);
        put32(out, 88 + records.size());
        put32(out, 0);
        put16(out, 16);  // handles
        put16(out, 0);
        for (int i = 0; i < 3; ++i)
            put32(out, 0);
        put32(out, 960);  // device: 960 x 960 pixels...
        put32(out, 960);
        put32(out, 254);  // ...on 254 x 254 millimetres
        put32(out, 254);
        return out + records;
    }

private:
    QByteArray body_;
};

}  // namespace RecordBuilders
