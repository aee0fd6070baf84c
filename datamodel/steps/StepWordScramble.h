#pragma once
// The author and the password in the step file header are not stored as plain
// text. The key is made from the clock at the moment of saving and kept in the
// field itself, disguised, so each save gives different bytes:
//   author   (20 bytes): 16 text bytes, then minute and second "NNSS";
//                        the key is the sum of all four digits;
//   password (16 bytes):  8 text bytes, then the date "YYYYMMDD";
//                        the key is the sum of the month and day digits.
// A text byte c is stored as 242 - c + key, a digit d as 245 - d.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>

namespace Telva27::stepscramble {

// The clock digits of one moment as the two fields keep them; a save takes
// them once for both fields.
struct Stamp {
    std::array<char, 4> author;   // "mmss"
    std::array<char, 8> password; // "yyyyMMdd"
};
Stamp stampOf(const QDateTime& moment);

// The field for the text (author mode: 20 bytes, else 16), keyed by the
// stamp. The text is cut to its 16 or 8 bytes at a character boundary.
// Throws an overflow when a byte cannot be scrambled.
QByteArray encodeWord(const QString& text, bool author, const Stamp& stamp);
// The same, keyed by platform::now().
QByteArray encodeWord(const QString& text, bool author);

// The text of a field as encodeWord makes it (20 or 16 bytes); "" for a field
// that starts with a zero byte. Throws an overflow for bytes no save makes.
QString decodeWord(const QByteArray& field, bool author);

} // namespace Telva27::stepscramble
