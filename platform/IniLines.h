#pragma once
// The line structure of an INI file, shared by its two readers and writers in
// the suite (the classic profile files, in CP932, and the per-user settings
// store, in UTF-8): the file is kept as its lines, so that a change rewrites
// only the one line it must and every other byte stays as it was.
//
//   [section]        blanks around the brackets and the name are ignored
//   key=value        blanks around key and value are ignored
//   ; comment        a comment, like a blank line
// Section and key names match without regard to ASCII letter case; within the
// first section of a name the first line of a key wins. CR LF and LF both end a line.
// The text of a line is decoded line by line, which is safe for CP932 and UTF-8
// alike: LF, CR, '[', '=' and ';' never occur inside a multi-byte character.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace platform::ini {

// One line of the file as it stands, so untouched lines go back byte for byte.
struct Line {
    QByteArray text; // without its end
    QByteArray end;  // "\r\n", "\n", or empty for a last line without one
    bool operator==(const Line&) const = default;
};

// Blank: empty or a comment. Other: a line of no known shape (a header without
// its "]", text without "=").
enum class Kind { Blank, Section, Key, Other };

// What a line means to a reader.
struct Entry {
    Kind kind = Kind::Blank;
    QString name;
    QString value;
};

// How a file's bytes become text and back.
struct Codec {
    QString (*decode)(const QByteArray& bytes);
    QByteArray (*encode)(const QString& text);
};

// Where a key of a section stands in the file. Only the first section of a
// name counts.
struct Position {
    std::optional<size_t> header; // the section's header line
    size_t lastKey = 0;           // its last key line (the header when it has none)
    std::optional<size_t> key;    // the key's first line in it
    QString keyName;              // the key as the file spells it
    QString value;
};

std::vector<Line> splitLines(const QByteArray& content);
QByteArray joinLines(const std::vector<Line>& lines);

// The meaning of one decoded line.
Entry classify(const QString& line);

// Names match without regard to ASCII letter case only; other letters must match exactly.
bool sameName(QStringView a, QStringView b);

Position locate(const std::vector<Line>& lines, const QString& section, const QString& key, const Codec& codec);

// Every line's meaning, in order, for a reader that looks up many keys in one
// file: each line is then decoded and classified once, not at every look-up.
std::vector<Entry> classifyAll(const std::vector<Line>& lines, const Codec& codec);
Position locate(const std::vector<Entry>& entries, const QString& section, const QString& key);

// Sets the key's line to "key=value" (value as given, already in the file's
// form): in place when the key is there, else as a new line after the last
// entry of its section, else in a new section at the end. New and rewritten
// lines end in CR LF.
void setKey(std::vector<Line>& lines, const QString& section, const QString& key, const QString& value,
            const Codec& codec);

// Removes the key's line; false when it is not there.
bool removeKey(std::vector<Line>& lines, const QString& section, const QString& key, const Codec& codec);

} // namespace platform::ini
