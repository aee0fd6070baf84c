#include "Val.h"

#include <QString>

#include <charconv>

namespace platform {

namespace {

bool isSkipped(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// The text with blanks, tabs and line feeds taken out, as the reader ignores them.
QString squeezed(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isSkipped(c))
            out.append(c);
    return out;
}

double radixNumber(QStringView digits, int radix)
{
    uint64_t value = 0;
    for (QChar c : digits) {
        const int d = digitValue(c);
        if (d < 0 || d >= radix)
            break;
        value = value * radix + d;
        if (value > 0xFFFFFFFFull)
            throw RuntimeError(errOverflow);
    }
    if (value <= 0xFFFF)
        return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// The decimal number at the start of a squeezed text: sign, digits, point,
// digits, exponent. Whole numbers are read directly; others through
// from_chars (locale-independent) on the accepted characters.
double decimalNumber(QStringView s)
{
    char buffer[64];
    int used = 0;
    const auto accept = [&](QChar c) {
        if (used < static_cast<int>(sizeof buffer) - 1)
            buffer[used++] = static_cast<char>(c.unicode());
    };
    const auto isDigit = [](QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; };

    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        if (negative)
            accept(s[i]);
        ++i;
    }
    bool digits = false;
    bool whole = true;
    uint64_t wholeValue = 0;
    while (i < s.size() && isDigit(s[i])) {
        if (wholeValue < (uint64_t{1} << 52))
            wholeValue = wholeValue * 10 + (s[i].unicode() - u'0');
        else
            whole = false;
        accept(s[i++]);
        digits = true;
    }
    if (i < s.size() && s[i] == u'.') {
        whole = false;
        accept(s[i++]);
        while (i < s.size() && isDigit(s[i])) {
            accept(s[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        qsizetype j = i + 1;
        const int mark = used;
        accept(QLatin1Char('e'));
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            accept(s[j++]);
        const qsizetype firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            accept(s[j++]);
        if (j > firstDigit)
            whole = false;
        else
            used = mark; // "1e" is just 1
    }
    if (whole)
        return negative ? -static_cast<double>(wholeValue) : static_cast<double>(wholeValue);
    double value = 0;
    const auto result = std::from_chars(buffer, buffer + used, value);
    if (result.ec == std::errc::result_out_of_range || !std::isfinite(value))
        throw RuntimeError(errOverflow);
    return value;
}

} // namespace

double Val(QStringView text)
{
    // Most fields have nothing to skip; only then is a squeezed copy made.
    bool hasSkipped = false;
    for (QChar c : text)
        hasSkipped = hasSkipped || isSkipped(c);
    const QString copy = hasSkipped ? squeezed(text) : QString();
    const QStringView s = hasSkipped ? QStringView(copy) : text;
    if (s.size() >= 2 && s[0] == u'&') {
        const QChar kind = s[1].toUpper();
        if (kind == u'H')
            return radixNumber(s.mid(2), 16);
        if (kind == u'O')
            return radixNumber(s.mid(2), 8);
    }
    return decimalNumber(s);
}

bool IsNumeric(QStringView text)
{
    try {
        NumberOf(text);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

double NumberOf(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    // Plain whole numbers, the usual case, need no general conversion.
    if (!trimmed.isEmpty() && trimmed.size() < 16) {
        int64_t whole = 0;
        bool plain = true;
        for (qsizetype i = trimmed[0] == u'-' ? 1 : 0; i < trimmed.size() && plain; ++i) {
            plain = trimmed[i].unicode() >= u'0' && trimmed[i].unicode() <= u'9';
            whole = whole * 10 + (trimmed[i].unicode() - u'0');
        }
        if (plain && trimmed != u"-")
            return trimmed[0] == u'-' ? -static_cast<double>(whole) : static_cast<double>(whole);
    }
    if (trimmed.size() >= 2 && trimmed[0] == u'&') {
        const QChar kind = trimmed[1].toUpper();
        const int radix = kind == u'H' ? 16 : (kind == u'O' ? 8 : 0);
        const QStringView digits = trimmed.mid(2);
        bool allDigits = radix != 0 && !digits.isEmpty();
        for (QChar c : digits)
            allDigits = allDigits && digitValue(c) >= 0 && digitValue(c) < radix;
        if (!allDigits)
            throw RuntimeError(errTypeMismatch);
        return radixNumber(digits, radix);
    }
    bool ok = false;
    const double value = trimmed.toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw RuntimeError(errTypeMismatch);
    return value;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode is to nearest, ties to even
}

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace platform
