#pragma once
// The floor a Set-file reader is measured against: the file's bytes read and
// decoded, every line split into its fields and every field visited once,
// the numeric ones converted; nothing is built. The fields are views into
// the decoded text, as the model's readers have them.

#include "DemoFiles.h"

#include "datamodel/io/SetTextFile.h"
#include "platform/Cp932.h"

#include <QString>
#include <QStringView>
#include <cstdint>

template <typename IsNumeric>
int64_t onePass(const QString& path, IsNumeric isNumeric)
{
    const QString text = platform::cp932::decode(benchsupport::readRaw(path));
    int64_t sum = 0;
    for (QStringView line : QStringView(text).split(u"\r\n", Qt::SkipEmptyParts)) {
        int field = 0;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= line.size(); ++i) {
            if (i < line.size() && line[i] != u'\t')
                continue;
            const QStringView f = line.sliced(start, i - start);
            sum += f.size();
            if (isNumeric(field))
                sum += Telva27::SetTextFile::number<int32_t>(f);
            ++field;
            start = i + 1;
        }
    }
    return sum;
}
