#pragma once
// The tab-separated setting text files (SetNN.e): CP932 text, one record per
// line, CR LF or LF line ends, fields split at TAB and taken as they stand.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace Telva27 {

class SetTextFile {
public:
    // Reads and decodes the whole file. Throws platform::RuntimeError (File not
    // found) when it is missing.
    explicit SetTextFile(const QString& path);

    // The lines in order; a line break after the last record makes no empty line.
    const QStringList& lines() const { return lines_; }

    // The fields of a record; a record with fewer than minFields fields (an empty
    // line among them) is an error (Subscript out of range).
    static QStringList fields(const QString& line, int minFields);

    // A numeric field: its leading number rounded half to even and narrowed to
    // T; out of T's range is an error (Overflow).
    template <typename T>
    static T number(const QString& field);

private:
    QStringList lines_;
};

} // namespace Telva27

#include "platform/Val.h"

template <typename T>
T Telva27::SetTextFile::number(const QString& field)
{
    return platform::ValAs<T>(field);
}
