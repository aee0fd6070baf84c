#pragma once
// The layout of a step file (*.stp) and its note file (*.BIN): eight tables of
// 8192 bytes each. Table 0 of the step file is the header (author, password),
// tables 1 to 7 hold one step program each; table i of the note file carries
// the function lists, remarks and memo of step table i.
// Offsets here are 0-based within a table or field.

#include "platform/CompanionFile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <initializer_list>

namespace Telva27::stepfile {

constexpr int32_t kTableSize = 8192;
constexpr int32_t kTableCount = 8;
constexpr int32_t kFileSize = kTableSize * kTableCount;

// Step table.
constexpr int32_t kLineCount = 192;
constexpr int32_t kLineSize = 32;
constexpr int32_t kConditionCount = 8;
constexpr int32_t kConditionSize = 3;
constexpr int32_t kConditionsAt = 8; // within a line record
constexpr int32_t kCountBytesAt = 6144;
constexpr int32_t kCountCaptionAt = 6152;
constexpr int32_t kLcdCaptionAt = 6232;
constexpr int32_t kCaptionSize = 10;
constexpr uint8_t kNullFlags = 0xF0;
constexpr uint8_t kRemarkFlag = 0x10;

// Header (table 0 of the step file).
constexpr char kVersionMark[] = "0106";
constexpr int32_t kAuthorAt = 8156;
constexpr int32_t kAuthorSize = 20;
constexpr int32_t kPasswordAt = 8176;
constexpr int32_t kPasswordSize = 16;

// Note table.
constexpr int32_t kOutListAt = 0;
constexpr int32_t kInListAt = 600;
constexpr int32_t kListSize = 600;
constexpr int32_t kListEntries = kListSize / 2;
constexpr uint16_t kListEnd = 0xFFFF;
constexpr int32_t kRemarksAt = 1200;
constexpr int32_t kRemarkSize = 20;
constexpr int32_t kMemoAt = 5040;
constexpr int32_t kMemoSize = 3152;

// True for the 1-based starting location of one of the step tables 1 to 7;
// table 0 is the header and must never be written as a program.
bool isStepTableStart(int32_t lStarting);

// The delay or constant of a line as its file word: 0 to 65535 as itself,
// -m as 0x8000 + m. Anything the word cannot carry (above 65535, below -32767)
// raises an overflow rather than being stored as another value.
uint16_t encodeDelay(int32_t value);
// The value of a delay word. Only the pulse outputs take negative values, so
// on their lines bit 15 is the sign of a 15-bit magnitude; on every other line
// the word is the unsigned delay or constant itself (up to 65535).
int32_t decodeDelay(uint16_t word, bool pulseOutput);

using platform::existingCompanion;

// The note file of a step file is found by giving its name the extension BIN,
// so a step file named *.BIN (in any letter case) would be its own note file:
// read as its own notes, and overwritten by them on saving. Throws
// RuntimeError (Bad file name or number) for such a step file, and for a note
// path that names the step file itself (the same path, or the same file
// reached through a link). notePath is the note file as existingCompanion
// found it.
void refuseOwnNoteFile(const QString& dataPath, const QString& notePath);

// The whole of a step or note file: a regular file of at most kFileSize bytes
// (platform::readWholeFile).
QByteArray readStepFile(const QString& path);

// Bytes of a step or note file read without reading the whole: length bytes
// from offset into `into`, zeros past the end of the file. The file is opened
// as readStepFile opens it (a regular file of at most kFileSize bytes).
struct FilePart {
    int64_t offset;
    char* into;
    int32_t length;
};
void readStepFileParts(const QString& path, std::initializer_list<FilePart> parts);

// Little-endian words in a byte image.
inline uint16_t wordAt(const char* at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(at[0]) | static_cast<uint8_t>(at[1]) << 8);
}
inline void putWord(char* at, uint16_t value)
{
    at[0] = static_cast<char>(value & 0xFF);
    at[1] = static_cast<char>(value >> 8);
}

} // namespace Telva27::stepfile
