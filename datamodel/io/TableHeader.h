#pragma once
// The header at the start of every setting table: byte 0 holds the table
// number (bits 0-6) and the table flag (bit 7), bytes 2-3 the data version
// (signed, little-endian), bytes 4-7 one code per model-name character and
// bytes 8-11 the model name itself in the ANSI code page. Byte 1 belongs to
// nobody here and is never touched.

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <cstdint>

namespace Telva27 {

class TableHeader {
public:
    static constexpr int kSize = 12;
    static constexpr int kNameLength = 4;

    uint8_t settingTableNo = 0;
    bool tableFlag = false;
    int16_t dataVersion = 0;
    QString kishuName;

    // From the first kSize bytes of a table (shorter input reads as zeros).
    // The name keeps its four characters as stored, zero bytes included.
    static TableHeader decode(QByteArrayView bytes);

    // Writes the header into the table image, field by field in the
    // order byte 0, data version, name bytes, name codes; a name shorter than
    // four characters is padded with zero bytes and zero codes. A name
    // code that does not fit a byte throws Overflow and leaves the bytes written
    // before it. start is the table's 1-based file position; allTables gives the
    // byte 0 of a one-table source copied into every table of an eight-table file.
    void encode(QByteArray& table, int64_t start, bool allTables) const;

    // The code of one model-name character: a digit its value,
    // any other character its ANSI code minus 55 (A = 10 .. Z = 35).
    // Throws Overflow when that falls outside a byte.
    static uint8_t modelNameCode(QChar c);

private:
    uint8_t firstByte(int64_t start, bool allTables) const;
};

} // namespace Telva27
