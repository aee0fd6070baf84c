#pragma once
// The widths of texts in one font, in pixels, for fitting a column to its
// widest text. Each distinct text is measured once. In a font whose digits
// all advance alike (as the digits of text fonts do, so that figures line up
// in tables), a number (digits after an optional minus) is as wide as any
// other with as many digits and the same sign, so numbers are measured once a
// length: a column of thousands of different values costs a few measurements.

#include <QFontMetrics>
#include <QHash>
#include <QString>

#include <array>
#include <utility>

class QFont;

namespace QelmSet {

class TextWidths {
public:
    explicit TextWidths(const QFont& font);

    // Whether the text fits room pixels even if each of its characters were the
    // font's widest glyph: such a text needs no measuring.
    bool fitsSurely(const QString& text, int room) const { return text.size() * maxWidth_ <= room; }
    int width(const QString& text);

private:
    static constexpr int kLongestNumber = 20;

    // The class of a number text (sign and count of digits), -1 for any other text.
    static int numberShape(const QString& text);
    int measure(const QString& text);

    QFontMetrics metrics_;
    int maxWidth_;
    bool evenDigits_;
    std::array<int, 2 * (kLongestNumber + 1)> numberWidths_;
    QHash<QString, int> widths_;
    // The texts measured last, looked at before the table: a column repeats a
    // few texts (the names of choices) over and over.
    std::array<std::pair<QString, int>, 4> recent_;
    size_t nextRecent_ = 0;
};

} // namespace QelmSet
