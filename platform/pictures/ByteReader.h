#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <cstring>

// Reads little-endian values from a block of bytes without ever reading past
// its end. A read beyond the end yields zero and marks the reader as failed,
// so a decoder can read a whole structure and check once.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes, qsizetype position = 0)
        : bytes_(bytes), pos_(position)
    {
        if (pos_ < 0 || pos_ > bytes_.size()) {
            pos_ = bytes_.size();
            ok_ = false;
        }
    }

    bool ok() const { return ok_; }
    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return bytes_.size() - pos_; }
    QByteArrayView bytes() const { return bytes_; }

    bool has(qsizetype count) const { return count >= 0 && count <= remaining(); }

    void seek(qsizetype position)
    {
        if (position < 0 || position > bytes_.size()) {
            ok_ = false;
            pos_ = bytes_.size();
        } else {
            pos_ = position;
        }
    }

    void skip(qsizetype count)
    {
        if (!has(count)) {
            ok_ = false;
            pos_ = bytes_.size();
        } else {
            pos_ += count;
        }
    }

    uint8_t u8() { return uint8_t(take(1)); }
    uint16_t u16() { return uint16_t(take(2)); }
    uint32_t u32() { return uint32_t(take(4)); }
    int16_t i16() { return int16_t(u16()); }
    int32_t i32() { return int32_t(u32()); }

    float f32()
    {
        const uint32_t bits = u32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // The next `count` bytes, or an empty view (and failure) when fewer remain.
    QByteArrayView block(qsizetype count)
    {
        if (!has(count)) {
            ok_ = false;
            pos_ = bytes_.size();
            return {};
        }
        const QByteArrayView view = bytes_.sliced(pos_, count);
        pos_ += count;
        return view;
    }

private:
    uint64_t take(int count)
    {
        if (!has(count)) {
            ok_ = false;
            pos_ = bytes_.size();
            return 0;
        }
        uint64_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= uint64_t(uint8_t(bytes_[pos_ + i])) << (8 * i);
        pos_ += count;
        return value;
    }

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};
