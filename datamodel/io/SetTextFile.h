#pragma once
// The tab-separated setting text files (SetNN.e): CP932 text, one record per
// line, CR LF, LF or CR line ends, fields split at TAB and taken as they stand.
// Lines and fields are views into the decoded text, so reading a file costs
// one decode and no copy per field; they stay valid while the object lives.

#include <QList>
#include <QVarLengthArray>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

#include "datamodel/common/NarrowOrOverflow.h"
#include "platform/Val.h"

namespace Telva27 {

class SetTextFile {
public:
    // Reads and decodes the whole file. Throws platform::RuntimeError when it
    // can't be read (platform::readWholeFile), larger than filelimits::kSetFile
    // included.
    explicit SetTextFile(const QString& path);
    SetTextFile(const SetTextFile&) = delete;
    SetTextFile& operator=(const SetTextFile&) = delete;

    // The lines in order; a line break after the last record makes no empty line.
    const QList<QStringView>& lines() const { return lines_; }

    // The fields of a record; a record with fewer than minFields fields (an empty
    // line among them) is an error (Subscript out of range).
    using Fields = QVarLengthArray<QStringView, 16>;
    static Fields fields(QStringView line, int minFields);

    // A field's text, one string shared by every equal field of the file: for
    // the fields whose texts repeat (kinds, units, limits, choice names), so
    // that each distinct text is copied once.
    QString shared(QStringView field);

    // A numeric field: its leading number rounded half to even and narrowed to
    // T; out of T's range is an error (Overflow). A field of a few plain decimal
    // digits, the usual one, is read directly.
    template <typename T>
    static T number(QStringView field)
    {
        if (field.isEmpty() || field.size() > 9)
            return platform::ValAs<T>(field);
        int32_t value = 0;
        for (QChar c : field) {
            if (c.unicode() < u'0' || c.unicode() > u'9')
                return platform::ValAs<T>(field);
            value = value * 10 + (c.unicode() - u'0');
        }
        return narrowOrOverflow<T>(value);
    }

private:
    QString text_;
    QList<QStringView> lines_;
    // The shared texts, by hash in a table at most half full.
    struct SharedText {
        uint64_t hash = 0;
        QString text;
    };
    static size_t slotOf(const std::vector<SharedText>& table, uint64_t hash, QStringView text);
    std::vector<SharedText> shared_;
    size_t sharedCount_ = 0;
};

} // namespace Telva27
