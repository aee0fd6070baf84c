#include "OkuriBlock.h"

#include "platform/RuntimeError.h"

namespace Telva27 {

namespace {

void putWord(QByteArray& out, int32_t at, uint16_t value)
{
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>(value >> 8);
}

uint8_t byteAt(const QByteArray& in, int32_t at) { return static_cast<uint8_t>(in.at(at)); }

uint16_t wordAt(const QByteArray& in, int32_t at)
{
    return static_cast<uint16_t>(byteAt(in, at) | (byteAt(in, at + 1) << 8));
}

} // namespace

QByteArray OkuriBlock::encode() const
{
    QByteArray out(kSize, '\0');
    for (int32_t i = 0; i < kRows; ++i) {
        const udtOkuri& r = records[static_cast<size_t>(i)];
        const int32_t at = i * kRecordSize;
        out[at] = static_cast<char>(r.P1);
        out[at + 1] = static_cast<char>(r.P2);
        putWord(out, at + 2, r.T1);
        putWord(out, at + 4, r.T2);
        putWord(out, at + 6, r.B);
    }
    return out;
}

OkuriBlock OkuriBlock::decode(const QByteArray& bytes)
{
    if (bytes.size() < kSize)
        throw platform::RuntimeError(platform::errInputPastEnd);
    OkuriBlock block;
    for (int32_t i = 0; i < kRows; ++i) {
        udtOkuri& r = block.records[static_cast<size_t>(i)];
        const int32_t at = i * kRecordSize;
        r.P1 = byteAt(bytes, at);
        r.P2 = byteAt(bytes, at + 1);
        r.T1 = wordAt(bytes, at + 2);
        r.T2 = wordAt(bytes, at + 4);
        r.B = wordAt(bytes, at + 6);
    }
    return block;
}

} // namespace Telva27
