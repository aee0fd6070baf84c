#include "TableHeader.h"

#include "platform/Trim.h"
#include "platform/Cp932.h"
#include "platform/RuntimeError.h"

namespace Telva27 {

namespace {

constexpr int kFlagBit = 0x80;
constexpr int64_t kTableSize = 8192;

uint8_t byteAt(QByteArrayView bytes, qsizetype i) { return i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0; }

// Zero bytes after the name are padding from a zero-filled table, not characters.
QString withoutTrailingNuls(const QString& name)
{
    qsizetype end = name.size();
    while (end > 0 && name[end - 1] == QChar(u'\0'))
        --end;
    return name.left(end);
}

// The ANSI code of a character: one byte, or lead and trail byte as one number.
int ansiCode(QChar c)
{
    const QByteArray bytes = platform::cp932::encode(QString(c));
    int code = 0;
    for (const char b : bytes)
        code = (code << 8) | static_cast<uint8_t>(b);
    return code;
}

} // namespace

TableHeader TableHeader::decode(QByteArrayView bytes)
{
    TableHeader header;
    const uint8_t first = byteAt(bytes, 0);
    header.tableFlag = (first & kFlagBit) != 0;
    header.settingTableNo = static_cast<uint8_t>(first & 0x7F);
    header.dataVersion = static_cast<int16_t>(byteAt(bytes, 2) | (byteAt(bytes, 3) << 8));
    QByteArray name(kNameLength, '\0');
    for (int i = 0; i < kNameLength; ++i)
        name[i] = static_cast<char>(byteAt(bytes, 8 + i));
    header.kishuName = platform::cp932::decode(name);
    return header;
}

uint8_t TableHeader::modelNameCode(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return static_cast<uint8_t>(c.unicode() - u'0');
    const int code = ansiCode(c) - 55;
    if (code < 0 || code > 255)
        throw platform::RuntimeError(platform::errOverflow);
    return static_cast<uint8_t>(code);
}

uint8_t TableHeader::firstByte(int64_t start, bool allTables) const
{
    if (!allTables)
        return tableFlag ? static_cast<uint8_t>(settingTableNo | kFlagBit) : settingTableNo;
    // Table 1 of a copied set carries the flag; the others just their index.
    if (start == kTableSize + 1)
        return 0x81;
    const int64_t index = start / kTableSize;
    if (index < 0 || index > 255)
        throw platform::RuntimeError(platform::errOverflow);
    return static_cast<uint8_t>(index);
}

void TableHeader::encode(QByteArray& table, int64_t start, bool allTables) const
{
    if (table.size() < kSize)
        throw platform::RuntimeError(platform::errSubscript);
    table[0] = static_cast<char>(firstByte(start, allTables));
    table[2] = static_cast<char>(static_cast<uint16_t>(dataVersion) & 0xFF);
    table[3] = static_cast<char>(static_cast<uint16_t>(dataVersion) >> 8);

    // The name field holds four bytes; a longer name must not reach offset 12,
    // and a shorter one is zero-padded so that nothing of an earlier name stays.
    const QString name = withoutTrailingNuls(kishuName);
    const QByteArray nameBytes = platform::cp932::fixedField(name.left(kNameLength), kNameLength);
    for (qsizetype i = 0; i < kNameLength; ++i)
        table[8 + i] = nameBytes[i];

    const QString codes = platform::Trim(name).left(kNameLength);
    for (qsizetype i = 0; i < kNameLength; ++i)
        table[4 + i] = static_cast<char>(i < codes.size() ? modelNameCode(codes[i]) : 0);
}

} // namespace Telva27
