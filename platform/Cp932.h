#pragma once
// The ANSI code page of the controller's data files (model names, Set files,
// step remarks, memos, captions, authors). Everything in memory is QString;
// bytes are CP932 only at the file boundary, and byte limits count CP932 bytes.
//
// Decoding follows the Windows code page, including its five single bytes
// outside the character set proper: 0x80 -> U+0080, 0xA0 -> U+F8F0,
// 0xFD -> U+F8F1, 0xFE -> U+F8F2, 0xFF -> U+F8F3 (and back when encoding).
//
// A byte that is no character (a stray byte, a lead byte without a valid
// trail byte, a lead byte at the end) is kept, not replaced: byte b decodes to
// the private-use code point U+F780 + (b - 0x80), and encoding turns every code
// point of U+F780..U+F7FF back into its byte. No CP932 character decodes into
// that range.
//
// The code page's duplicates (a character with two byte forms, e.g. the
// NEC-selected IBM extensions in rows 0xED/0xEE) decode to their character in
// the form the encoder writes (so a text typed by a user is written in the
// standard form), and to a private-use code point of their own in the other
// form: U+F300 + 0x100 * row + trail byte, the rows being 0x87, 0xED, 0xEE and
// 0xFA in this order. Encoding turns such a code point back into its two bytes.
// So decoding then encoding gives back any byte string byte for byte, and an
// unchanged text is saved as it was read.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform::cp932 {

QString decode(QByteArrayView bytes);
// Decodes up to the first zero byte (or the whole field when it has none).
QString decodeField(QByteArrayView field);
// Characters without a CP932 form become "?".
QByteArray encode(const QString& text);
// Bytes of the CP932 form of the text.
int byteLength(const QString& text);
// The longest prefix whose CP932 form fits in maxBytes, never splitting a
// character (a kept stray byte counts as one byte).
QString cutToBytes(const QString& text, int maxBytes);
// A fixed-width field: the CP932 form cut at a character boundary to width bytes,
// then zero-padded to exactly width bytes.
QByteArray fixedField(const QString& text, int width);

} // namespace platform::cp932
