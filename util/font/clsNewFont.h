#pragma once
// A logical font description that hands out new fonts built from it. Callers
// fill the fields they care about (face, height, weight...) and read hNewFont
// for every font they need; each read builds a fresh font from the record.

#include <QFont>
#include <QString>
#include <array>
#include <cstdint>

namespace Ostrel7 {

class clsNewFont {
public:
    enum ENUM_lfWeight : int32_t {
        eFW_DONTCARE = 0,
        eFW_THIN = 100,
        eFW_EXTRALIGHT = 200,
        eFW_LIGHT = 300,
        eFW_NORMAL = 400,
        eFW_MEDIUM = 500,
        eFW_SEMIBOLD = 600,
        eFW_BOLD = 700,
        eFW_EXTRABOLD = 800,
        eFW_HEAVY = 900,
    };
    enum ENUM_lfYesNone : int32_t { elfYes = 1, elfNone = 0 };
    enum enumENUM_lfCharSet : int32_t {
        eANSI_CHARSET = 0,
        eDEFAULT_CHARSET = 1,
        eOEM_CHARSET = 255,
        eSHIFTJIS_CHARSET = 128,
        eSYMBOL_CHARSET = 2,
    };
    enum ENUM_lfOUtPrecision : int32_t {
        eOUT_CHARACTER_PRECIS = 2,
        eOUT_DEFAULT_PRECIS = 0,
        eOUT_DEVICE_PRECIS = 5,
        eOUT_RASTER_PRECIS = 6,
        eOUT_STRING_PRECIS = 1,
        eOUT_STROKE_PRECIS = 3,
        eOUT_TT_ONLY_PRECIS = 7,
        eOUT_TT_PRECIS = 4,
    };
    enum ENUM_lfQuality : int32_t { eDEFAULT_QUALITY = 0, eDRAFT_QUALITY = 1, ePROOF_QUALITY = 2 };
    enum ENUM_lfPitchAndFamily_Pitch : int32_t { eDEFALUT_PITCH = 0, eFIXED_PITCH = 1, eVARIABLE_PITCH = 2 };
    enum ENUM_lfPitchAndFamily_Family : int32_t {
        eFF_DECORATIVE = 80,
        eFF_DONTCARE = 0,
        eFF_MODERN = 48,
        eFF_ROMAN = 16,
        eFF_SCRIPT = 64,
        eFF_SWISS = 32,
    };

    // The logical font record, in the layout the font description always had.
    struct LogFont {
        int32_t height = 0;
        int32_t width = 0;
        int32_t escapement = 0;
        int32_t orientation = 0;
        int32_t weight = 0;
        uint8_t italic = 0;
        uint8_t underline = 0;
        uint8_t strikeOut = 0;
        uint8_t charSet = eDEFAULT_CHARSET;
        uint8_t outPrecision = 0;
        uint8_t clipPrecision = 0;
        uint8_t quality = ePROOF_QUALITY;
        uint8_t pitchAndFamily = 0;
        std::array<char, 32> faceName{}; // CP932 bytes, NUL-terminated
    };

    // Height in pixels: positive is the character cell, negative the character
    // itself (without internal leading), 0 the default size.
    void setlfHeight(int32_t value) { lf_.height = value; }
    // Tenths of a degree; sets escapement and orientation alike.
    void setlfEscapement(int32_t value);
    void setlfWeight(int32_t value) { lf_.weight = value; }
    // Average character width in pixels, 0 for the face's own proportions.
    void setlfWidth(int32_t value) { lf_.width = value; }

    // The byte fields: a value outside 0-255 is an overflow error and stores nothing.
    void setlfItalic(int32_t value);
    void setlfUnderline(int32_t value);
    void setlfStrikeOut(int32_t value);
    void setlfOutPrecision(int32_t value);
    void setlfQuality(int32_t value);
    void setlfPitchAndFamily(int32_t lfPitch, int32_t family);

    // The face name in CP932; more than 31 bytes is a subscript error and stores nothing.
    void setlfFaceName(const QString& value);

    // A new font built from the record; the caller owns it.
    QFont hNewFont() const;

    const LogFont& record() const { return lf_; }
    // The face name as the record holds it (up to its NUL).
    QString faceName() const;

private:
    LogFont lf_;
};

} // namespace Ostrel7
