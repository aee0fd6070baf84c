#include "Val.h"

#include <QString>

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

double decimalNumber(QStringView s)
{
    qsizetype i = 0;
    QString accepted;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        accepted.append(s[i++]);
    bool digits = false;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 0x80) {
        accepted.append(s[i++]);
        digits = true;
    }
    if (i < s.size() && s[i] == u'.') {
        accepted.append(s[i++]);
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 0x80) {
            accepted.append(s[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent.append(s[j++]);
        const qsizetype firstDigit = j;
        while (j < s.size() && s[j].isDigit() && s[j].unicode() < 0x80)
            exponent.append(s[j++]);
        if (j > firstDigit)
            accepted += exponent;
    }
    const double value = accepted.toDouble();
    if (!std::isfinite(value))
        throw RuntimeError(errOverflow);
    return value;
}

} // namespace

double Val(QStringView text)
{
    const QString s = squeezed(text);
    if (s.size() >= 2 && s[0] == u'&') {
        const QChar kind = s[1].toUpper();
        if (kind == u'H')
            return radixNumber(QStringView(s).mid(2), 16);
        if (kind == u'O')
            return radixNumber(QStringView(s).mid(2), 8);
    }
    return decimalNumber(s);
}

double NumberOf(QStringView text)
{
    const QStringView trimmed = text.trimmed();
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

} // namespace platform
