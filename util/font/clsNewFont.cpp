#include "clsNewFont.h"

#include "platform/Cp932.h"
#include "platform/RuntimeError.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace Ostrel7 {

namespace {

// Output-quality values beyond the three the enumeration names, still accepted as bytes.
constexpr uint8_t kNonAntialiasedQuality = 3;
constexpr uint8_t kAntialiasedQuality = 4;

uint8_t checkedByte(int32_t value)
{
    if (value < 0 || value > 255)
        throw platform::RuntimeError(platform::errOverflow);
    return static_cast<uint8_t>(value);
}

// Positive heights give the character cell (ascent + descent), which Qt has no
// setter for: scale the em size by the face's own cell-to-em ratio.
void applyHeight(QFont& font, int32_t height)
{
    if (height == 0)
        return;
    if (height < 0) {
        font.setPixelSize(static_cast<int>(std::min<int64_t>(-static_cast<int64_t>(height), 32767)));
        return;
    }
    const int cell = std::min(height, 32767);
    font.setPixelSize(cell);
    const int measured = QFontMetrics(font).height();
    if (measured > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(cell) * cell / measured))));
}

// A width asks for that average character width: stretch the face to reach it.
void applyWidth(QFont& font, int32_t width)
{
    if (width <= 0)
        return;
    const int average = QFontMetrics(font).averageCharWidth();
    if (average > 0)
        font.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * width / average)), 1, 4000));
}

void applyPitchAndFamily(QFont& font, uint8_t pitchAndFamily)
{
    if ((pitchAndFamily & 0x03) == clsNewFont::eFIXED_PITCH)
        font.setFixedPitch(true);
    switch (pitchAndFamily & 0xF0) {
    case clsNewFont::eFF_ROMAN: font.setStyleHint(QFont::Serif); break;
    case clsNewFont::eFF_SWISS: font.setStyleHint(QFont::SansSerif); break;
    case clsNewFont::eFF_MODERN: font.setStyleHint(QFont::Monospace); break;
    case clsNewFont::eFF_SCRIPT: font.setStyleHint(QFont::Cursive); break;
    case clsNewFont::eFF_DECORATIVE: font.setStyleHint(QFont::Decorative); break;
    default:
        if (font.fixedPitch())
            font.setStyleHint(QFont::Monospace);
        break;
    }
}

// Precision and quality only steer which kind of face is picked and how it is smoothed.
void applyStrategy(QFont& font, uint8_t outPrecision, uint8_t quality)
{
    int strategy = QFont::PreferDefault;
    if (outPrecision == clsNewFont::eOUT_RASTER_PRECIS)
        strategy = QFont::PreferBitmap;
    else if (outPrecision == clsNewFont::eOUT_TT_PRECIS || outPrecision == clsNewFont::eOUT_TT_ONLY_PRECIS)
        strategy = QFont::PreferOutline;
    if (quality == kNonAntialiasedQuality)
        strategy |= QFont::NoAntialias;
    else if (quality == kAntialiasedQuality)
        strategy |= QFont::PreferAntialias;
    font.setStyleStrategy(static_cast<QFont::StyleStrategy>(strategy));
}

} // namespace

void clsNewFont::setlfEscapement(int32_t value)
{
    lf_.escapement = value;
    lf_.orientation = value;
}

void clsNewFont::setlfItalic(int32_t value) { lf_.italic = checkedByte(value); }
void clsNewFont::setlfUnderline(int32_t value) { lf_.underline = checkedByte(value); }
void clsNewFont::setlfStrikeOut(int32_t value) { lf_.strikeOut = checkedByte(value); }
void clsNewFont::setlfOutPrecision(int32_t value) { lf_.outPrecision = checkedByte(value); }
void clsNewFont::setlfQuality(int32_t value) { lf_.quality = checkedByte(value); }
void clsNewFont::setlfPitchAndFamily(int32_t lfPitch, int32_t family) { lf_.pitchAndFamily = checkedByte(lfPitch | family); }

void clsNewFont::setlfFaceName(const QString& value)
{
    const QByteArray bytes = platform::cp932::encode(value);
    if (bytes.size() >= static_cast<qsizetype>(lf_.faceName.size()))
        throw platform::RuntimeError(platform::errSubscript);
    // Only the name and its NUL are written; the bytes after keep what they held.
    std::copy(bytes.begin(), bytes.end(), lf_.faceName.begin());
    lf_.faceName[static_cast<size_t>(bytes.size())] = '\0';
}

QString clsNewFont::faceName() const
{
    return platform::cp932::decodeField(QByteArrayView(lf_.faceName.data(), qsizetype(lf_.faceName.size())));
}

QFont clsNewFont::hNewFont() const
{
    // The character set is not carried over: Qt picks faces by the text it draws.
    // Escapement and orientation stay in the record; a painter rotates text itself.
    QFont font;
    const QString face = faceName();
    if (!face.isEmpty())
        font.setFamily(face);
    if (lf_.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(lf_.weight, 1, 1000)));
    font.setItalic(lf_.italic != 0);
    font.setUnderline(lf_.underline != 0);
    font.setStrikeOut(lf_.strikeOut != 0);
    applyPitchAndFamily(font, lf_.pitchAndFamily);
    applyStrategy(font, lf_.outPrecision, lf_.quality);
    applyHeight(font, lf_.height);
    applyWidth(font, lf_.width);
    return font;
}

} // namespace Ostrel7
