#pragma once
// How the settings store spells names and values in its INI file: the escaping
// QSettings used for the files earlier versions wrote, so that those files
// read as they did and the files written now read back in those versions.
//   names   letters, digits, "_", "-" and "." as they are, other characters as
//           %XX or %UXXXX; a section "General" is written "%General"
//   values  C-style escapes (\n, \", \\, \xXX), wrapped in quotes when they hold
//           ";", "," or "=" or start or end with a blank; a text starting with
//           "@" gets a second one

#include <QString>

namespace platform::settings {

QString escapedSection(const QString& section);
QString escapedKey(const QString& key);
QString escapedValue(const QString& value);
// The text of a value as the file holds it (blanks around it already taken off).
QString unescapedValue(const QString& stored);

} // namespace platform::settings
