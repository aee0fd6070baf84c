#pragma once
// The feed-pitch block of a setting table as it lies on disk: 16 records of
// 8 bytes (P1, P2, then T1, T2, B as little-endian 16-bit words), no header,
// count or checksum.

#include <QByteArray>

#include <array>
#include <cstdint>

namespace Telva27 {

// One pitch row record.
struct udtOkuri {
    uint8_t P1 = 0;
    uint8_t P2 = 0;
    uint16_t T1 = 0;
    uint16_t T2 = 0;
    uint16_t B = 0;
};

class OkuriBlock {
public:
    static constexpr int32_t kRows = 16;
    static constexpr int32_t kRecordSize = 8;
    static constexpr int32_t kSize = kRows * kRecordSize;
    // Table offsets of the X and Y blocks inside an 8192-byte setting table.
    static constexpr int32_t kOffsetX = 512;
    static constexpr int32_t kOffsetY = 640;
    static constexpr int32_t kTableSize = 8192;
    static constexpr int32_t kTableCount = 8;

    std::array<udtOkuri, kRows> records{};

    QByteArray encode() const;
    // bytes must hold at least kSize bytes.
    static OkuriBlock decode(const QByteArray& bytes);
};

} // namespace Telva27
