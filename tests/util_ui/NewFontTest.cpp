#include "util/font/clsNewFont.h"

#include "TestFiles.h"
#include "platform/RuntimeError.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

using Ostrel7::clsNewFont;
using testsupport::errorOf;

TEST(NewFont, StartsAsADefaultCharsetProofQualityRecord)
{
    const clsNewFont font;
    const auto& lf = font.record();
    EXPECT_EQ(lf.height, 0);
    EXPECT_EQ(lf.weight, 0);
    EXPECT_EQ(lf.charSet, clsNewFont::eDEFAULT_CHARSET);
    EXPECT_EQ(lf.quality, clsNewFont::ePROOF_QUALITY);
    EXPECT_EQ(font.faceName(), QString());
}

TEST(NewFont, ByteFieldsRejectValuesOutsideAByteAndKeepTheOldOne)
{
    using Setter = void (clsNewFont::*)(int32_t);
    const struct {
        const char* name;
        Setter set;
        uint8_t clsNewFont::LogFont::*field;
    } cases[] = {
        {"italic", &clsNewFont::setlfItalic, &clsNewFont::LogFont::italic},
        {"underline", &clsNewFont::setlfUnderline, &clsNewFont::LogFont::underline},
        {"strike-out", &clsNewFont::setlfStrikeOut, &clsNewFont::LogFont::strikeOut},
        {"out precision", &clsNewFont::setlfOutPrecision, &clsNewFont::LogFont::outPrecision},
        {"quality", &clsNewFont::setlfQuality, &clsNewFont::LogFont::quality},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clsNewFont font;
        (font.*c.set)(255);
        EXPECT_EQ(font.record().*c.field, 255);
        EXPECT_EQ(errorOf([&] { (font.*c.set)(256); }), platform::errOverflow);
        EXPECT_EQ(errorOf([&] { (font.*c.set)(-1); }), platform::errOverflow);
        EXPECT_EQ(font.record().*c.field, 255);
    }
    clsNewFont font;
    EXPECT_EQ(errorOf([&] { font.setlfPitchAndFamily(256, 0); }), platform::errOverflow);
    font.setlfPitchAndFamily(clsNewFont::eFIXED_PITCH, clsNewFont::eFF_MODERN);
    EXPECT_EQ(font.record().pitchAndFamily, 49);
}

TEST(NewFont, FaceNameIsWrittenOverTheOldOneUpToItsNul)
{
    clsNewFont font;
    font.setlfFaceName(QStringLiteral("Times New Roman"));
    font.setlfFaceName(QStringLiteral("Arial"));
    EXPECT_EQ(font.faceName(), QStringLiteral("Arial"));
    // The tail of the longer name stays behind the new NUL.
    EXPECT_EQ(QByteArray(font.record().faceName.data() + 6, 9), QByteArray("New Roman"));
    EXPECT_EQ(font.hNewFont().family(), QStringLiteral("Arial"));
}

TEST(NewFont, FaceNameLongerThan31Cp932BytesIsASubscriptError)
{
    clsNewFont font;
    font.setlfFaceName(QString(31, QLatin1Char('x')));
    EXPECT_EQ(font.faceName().size(), 31);
    EXPECT_EQ(errorOf([&] { font.setlfFaceName(QString(32, QLatin1Char('y'))); }), platform::errSubscript);
    // Double-byte characters count twice: 16 of them are 32 bytes.
    EXPECT_EQ(errorOf([&] { font.setlfFaceName(QString(16, QChar(0x660E))); }), platform::errSubscript);
    EXPECT_EQ(font.faceName(), QString(31, QLatin1Char('x')));
    font.setlfFaceName(QString(15, QChar(0x660E)));
    EXPECT_EQ(font.faceName(), QString(15, QChar(0x660E)));
}

TEST(NewFont, EscapementSetsOrientationToo)
{
    clsNewFont font;
    font.setlfEscapement(900);
    EXPECT_EQ(font.record().escapement, 900);
    EXPECT_EQ(font.record().orientation, 900);
}

TEST(NewFont, BuildsTheFontTheRecordDescribes)
{
    clsNewFont font;
    font.setlfFaceName(QStringLiteral("DejaVu Sans"));
    font.setlfHeight(-20);
    font.setlfWeight(clsNewFont::eFW_BOLD);
    font.setlfItalic(clsNewFont::elfYes);
    font.setlfUnderline(clsNewFont::elfYes);
    font.setlfStrikeOut(clsNewFont::elfYes);
    const QFont f = font.hNewFont();
    EXPECT_EQ(f.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(f.pixelSize(), 20);
    EXPECT_EQ(f.weight(), QFont::Bold);
    EXPECT_TRUE(f.italic());
    EXPECT_TRUE(f.underline());
    EXPECT_TRUE(f.strikeOut());

    clsNewFont plain;
    const QFont p = plain.hNewFont();
    EXPECT_FALSE(p.italic());
    EXPECT_FALSE(p.bold());
}

TEST(NewFont, PositiveHeightIsTheCharacterCell)
{
    // The customize window's difference mark: Arial, height 14.
    clsNewFont font;
    font.setlfFaceName(QStringLiteral("Arial"));
    font.setlfHeight(14);
    const QFont f = font.hNewFont();
    EXPECT_NEAR(QFontMetrics(f).height(), 14, 1);
    EXPECT_LE(f.pixelSize(), 14);
}

TEST(NewFont, WidthStretchesToTheAverageCharacterWidth)
{
    clsNewFont font;
    font.setlfFaceName(QStringLiteral("DejaVu Sans"));
    font.setlfHeight(-20);
    const int natural = QFontMetrics(font.hNewFont()).averageCharWidth();
    font.setlfWidth(natural * 2);
    EXPECT_NEAR(font.hNewFont().stretch(), 200, 2);
}
