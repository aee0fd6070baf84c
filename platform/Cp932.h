#pragma once
// The ANSI code page of the controller's data files (model names, Set files,
// step remarks, memos, captions, authors). Everything in memory is QString;
// bytes are CP932 only at the file boundary, and byte limits count CP932 bytes.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform::cp932 {

// Bytes that are no CP932 character become U+FFFD.
QString decode(QByteArrayView bytes);
// Decodes up to the first zero byte (or the whole field when it has none).
QString decodeField(QByteArrayView field);
// Characters without a CP932 form become "?".
QByteArray encode(const QString& text);
// Bytes of the CP932 form of the text.
int byteLength(const QString& text);
// The longest prefix whose CP932 form fits in maxBytes, never splitting a character.
QString cutToBytes(const QString& text, int maxBytes);
// A fixed-width field: the CP932 form cut at a character boundary to width bytes,
// then zero-padded to exactly width bytes.
QByteArray fixedField(const QString& text, int width);

} // namespace platform::cp932
