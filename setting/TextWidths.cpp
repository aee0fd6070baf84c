#include "TextWidths.h"

#include <QFont>

namespace QelmSet {

TextWidths::TextWidths(const QFont& font) : metrics_(font), maxWidth_(metrics_.maxWidth()), evenDigits_(true)
{
    numberWidths_.fill(-1);
    const int zero = metrics_.horizontalAdvance(QLatin1Char('0'));
    for (char digit = '1'; digit <= '9'; ++digit)
        evenDigits_ = evenDigits_ && metrics_.horizontalAdvance(QLatin1Char(digit)) == zero;
}

int TextWidths::width(const QString& text)
{
    const int shape = evenDigits_ ? numberShape(text) : -1;
    if (shape < 0)
        return measure(text);
    int& known = numberWidths_[static_cast<size_t>(shape)];
    if (known < 0)
        known = metrics_.horizontalAdvance(text);
    return known;
}

int TextWidths::numberShape(const QString& text)
{
    const bool minus = text.startsWith(QLatin1Char('-'));
    const qsizetype digits = text.size() - (minus ? 1 : 0);
    if (digits < 1 || digits > kLongestNumber)
        return -1;
    for (qsizetype i = minus ? 1 : 0; i < text.size(); ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return -1;
    return (minus ? kLongestNumber + 1 : 0) + static_cast<int>(digits);
}

int TextWidths::measure(const QString& text)
{
    for (const auto& [recent, width] : recent_)
        if (recent == text)
            return width;
    auto known = widths_.constFind(text);
    if (known == widths_.constEnd())
        known = widths_.insert(text, metrics_.horizontalAdvance(text));
    recent_[nextRecent_] = {text, known.value()};
    nextRecent_ = (nextRecent_ + 1) % recent_.size();
    return known.value();
}

} // namespace QelmSet
