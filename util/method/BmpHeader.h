#pragma once
// The size fields of a bitmap file's headers: the 14-byte file header ("BM")
// followed by an information header of 40 bytes or more, or by the old
// 12-byte core header with 16-bit fields.

#include <QString>
#include <cstdint>

namespace Ostrel7::bmp {

struct Header {
    int32_t width = 0;
    int32_t height = 0; // negative for a top-down bitmap, as stored
    int32_t bitCount = 0;
};

// Throws platform::RuntimeError: 53 when the file is missing, 75 when it can't
// be opened, 62 when it ends inside the headers, 481 when it is not a bitmap.
Header readHeader(const QString& path);

} // namespace Ostrel7::bmp
