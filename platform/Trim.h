#pragma once
// The runtime's Trim: blanks (U+0020) only; tabs and other white space are text.

#include <QString>
#include <QStringView>

namespace platform {

inline QString Trim(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first).toString();
}

} // namespace platform
