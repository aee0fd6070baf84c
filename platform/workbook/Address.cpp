#include "platform/workbook/Address.h"

#include "platform/RuntimeError.h"
#include "platform/workbook/XlConstants.h"

#include <QStringList>
#include <algorithm>

namespace platform::workbook::address {

namespace {

// One side of a range reference: a column, a row or both (0 = absent).
struct Ref {
    int32_t column = 0;
    int32_t row = 0;
};

[[noreturn]] void refuse(const QString& text)
{
    throw RuntimeError(kApplicationError, QStringLiteral("Invalid range address \"%1\"").arg(text));
}

bool isLetter(QChar ch) { return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z'); }
bool isDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }

// Reads "[$]letters[$]digits" with either part optional; false when the text
// is not of that form or a part is out of the sheet.
bool readRef(const QString& text, Ref& ref)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'$')
        ++i;
    int64_t column = 0;
    qsizetype letters = 0;
    for (; i < text.size() && isLetter(text[i]) && letters < 4; ++i, ++letters)
        column = column * 26 + (text[i].toUpper().unicode() - u'A' + 1);
    if (letters > 0 && i < text.size() && text[i] == u'$')
        ++i;
    int64_t row = 0;
    qsizetype digits = 0;
    for (; i < text.size() && isDigit(text[i]) && digits < 8; ++i, ++digits)
        row = row * 10 + (text[i].unicode() - u'0');
    if (i != text.size() || (letters == 0 && digits == 0))
        return false;
    if (column > kMaxColumns || row > kMaxRows || (digits > 0 && row < 1))
        return false;
    ref.column = int32_t(column);
    ref.row = int32_t(row);
    return true;
}

enum class Kind { Cells, Columns, Rows };

Area ordered(int32_t top, int32_t left, int32_t bottom, int32_t right)
{
    return Area{std::min(top, bottom), std::min(left, right), std::max(top, bottom), std::max(left, right)};
}

// One area ("B2", "A1:C3", "C:E", "1:3"; a single column or row only where
// the caller reads columns or rows); its kind must be among `allowed`.
Area readArea(const QString& part, const QString& whole, std::initializer_list<Kind> allowed, bool singleLines)
{
    const QStringList corners = part.split(u':');
    if (corners.size() > 2)
        refuse(whole);
    Ref a, b;
    if (!readRef(corners[0], a) || (corners.size() == 2 && !readRef(corners[1], b)))
        refuse(whole);
    if (corners.size() == 1)
        b = a;
    const bool cells = a.column && a.row && b.column && b.row;
    const bool columns = a.column && !a.row && b.column && !b.row;
    const bool rows = !a.column && a.row && !b.column && b.row;
    const bool single = corners.size() == 1;
    auto allows = [&](Kind k) { return std::find(allowed.begin(), allowed.end(), k) != allowed.end(); };
    if (cells && allows(Kind::Cells))
        return ordered(a.row, a.column, b.row, b.column);
    if (columns && allows(Kind::Columns) && (!single || singleLines))
        return ordered(1, a.column, kMaxRows, b.column);
    if (rows && allows(Kind::Rows) && (!single || singleLines))
        return ordered(a.row, 1, b.row, kMaxColumns);
    refuse(whole);
}

std::vector<Area> readAreas(const QString& text, std::initializer_list<Kind> allowed, bool singleLines)
{
    if (text.isEmpty())
        refuse(text);
    std::vector<Area> areas;
    for (const QString& part : text.split(u','))
        areas.push_back(readArea(part, text, allowed, singleLines));
    return areas;
}

} // namespace

std::vector<Area> parseRange(const QString& text)
{
    return readAreas(text, {Kind::Cells, Kind::Columns, Kind::Rows}, false);
}

std::vector<Area> parseColumns(const QString& text)
{
    return readAreas(text, {Kind::Columns}, true);
}

std::vector<Area> parseRows(const QString& text)
{
    return readAreas(text, {Kind::Rows}, true);
}

QString columnName(int32_t column)
{
    QString name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(QChar(u'A' + (column - 1) % 26));
    return name;
}

} // namespace platform::workbook::address
