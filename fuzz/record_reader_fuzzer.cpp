// The record reader under every read a project file makes: each kind of read
// alone over the whole input, then a mix steered by the input's own bytes.
// Every value read back from a record writer's file must be the value that
// was written.

#include "player/records/RecordReader.h"
#include "player/records/RecordWriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <variant>
#include <vector>

namespace {

enum Kind { Value, String, Int16, Int32, Single, Double, Boolean, KindCount };

using Read = std::variant<std::monostate, RecordValue, QString, qint16, qint32, float, double, bool>;

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "record reader: %s\n", what);
        std::abort();
    }
}

Read readOne(RecordReader& in, int kind)
{
    switch (kind) {
    case Value: {
        RecordValue v;
        return in.readValue(v) ? Read(v) : Read();
    }
    case String: {
        QString v;
        return in.readString(v) ? Read(v) : Read();
    }
    case Int16: {
        qint16 v = 0;
        return in.readInt16(v) ? Read(v) : Read();
    }
    case Int32: {
        qint32 v = 0;
        return in.readInt32(v) ? Read(v) : Read();
    }
    case Single: {
        float v = 0;
        if (!in.readSingle(v))
            return Read();
        require(std::isfinite(v), "a Single read as infinite or NaN");
        return Read(v);
    }
    case Double: {
        double v = 0;
        if (!in.readDouble(v))
            return Read();
        require(std::isfinite(v), "a Double read as infinite or NaN");
        return Read(v);
    }
    default: {
        bool v = false;
        return in.readBoolean(v) ? Read(v) : Read();
    }
    }
}

// Reads until only blanks and line ends are left, going on after a value
// that does not convert (it has been consumed). Every read takes at least
// one character, so the number of reads is bounded by the input's size.
std::vector<Read> readAll(const QByteArray& bytes, const uint8_t* steer, size_t steerSize, int onlyKind)
{
    RecordReader in(bytes);
    std::vector<Read> reads;
    size_t count = 0;
    while (!in.atEnd()) {
        require(++count <= size_t(bytes.size()) + 1, "more reads than characters: a read did not move on");
        const int kind = onlyKind >= 0 ? onlyKind : steer[count % steerSize] % KindCount;
        reads.push_back(readOne(in, kind));
    }
    // At the end every read fails as a missing value.
    for (int kind = 0; kind < KindCount; ++kind)
        require(std::holds_alternative<std::monostate>(readOne(in, kind)), "a read succeeded past the end");
    return reads;
}

// What a writer makes of the values the mix read, and what reading it back
// must give.
void roundTrip(const std::vector<Read>& reads)
{
    RecordWriter out;
    std::vector<Read> written;
    for (const Read& r : reads) {
        if (const auto* s = std::get_if<QString>(&r)) {
            // A double quote cannot be written inside a string.
            if (s->contains(QLatin1Char('"')))
                continue;
            out.writeString(*s);
        } else if (const auto* i = std::get_if<qint16>(&r)) {
            out.writeInteger(*i);
        } else if (const auto* l = std::get_if<qint32>(&r)) {
            out.writeInteger(*l);
        } else if (const auto* f = std::get_if<float>(&r)) {
            out.writeSingle(*f);
        } else if (const auto* d = std::get_if<double>(&r)) {
            out.writeDouble(*d);
        } else if (const auto* b = std::get_if<bool>(&r)) {
            out.writeBoolean(*b);
        } else {
            continue;
        }
        written.push_back(r);
    }
    RecordReader in(out.data());
    for (const Read& expected : written) {
        const Read got = readOne(in, int(expected.index()) - 1);
        require(got == expected, "a written value read back differently");
    }
    require(in.atEnd(), "a written file had values left over");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const uint8_t zero = 0;
    for (int kind = 0; kind < KindCount; ++kind)
        readAll(bytes, &zero, 1, kind);
    if (size == 0)
        return 0;
    roundTrip(readAll(bytes, data, size, -1));
    return 0;
}
