#include "platform/workbook/TextWidth.h"

#include <algorithm>
#include <cmath>

namespace platform::workbook {

namespace {

bool isFullWidth(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Width of one character in digit widths of the default font.
double characterWidth(char32_t c)
{
    if (isFullWidth(c))
        return 2.0;
    if (c < 0x80) {
        if (QStringView(u"iljtfrI!|.,:;' `").contains(QChar(c)))
            return 0.55;
        if (c == u'M' || c == u'W' || c == u'm' || c == u'w' || c == u'@' || c == u'%')
            return 1.5;
        if (c >= u'A' && c <= u'Z')
            return 1.2;
    }
    return 1.0;
}

} // namespace

QString displayText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (d == std::trunc(d) && std::abs(d) < 1e11)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 10);
    }
    default:
        return value.toString();
    }
}

double fittedColumnWidth(const QString& text, const ResolvedStyle& style)
{
    // The widest line; lines end at CR LF, CR or LF. Read in one pass without
    // copies: every value of a fitted column comes through here.
    double widest = 0;
    double line = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u'\r' || ch == u'\n') {
            widest = std::max(widest, line);
            line = 0;
            if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        char32_t c = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(ch, text[++i]);
        else if (ch.isSurrogate())
            c = QChar::ReplacementCharacter;
        line += characterWidth(c);
    }
    widest = std::max(widest, line);
    if (widest == 0)
        return 0;
    const double scale = style.fontSize / 11.0 * (style.bold ? 1.1 : 1.0);
    // Half a character more, so the last character is never cut by the cell's edge.
    return std::min(255.0, widest * scale + 0.5);
}

} // namespace platform::workbook
