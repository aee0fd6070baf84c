#pragma once
// Small text services: key filters for the KeyPress handlers of text boxes and
// grid editors, hexadecimal and binary conversions of table values, removal of
// blanks and line breaks, fixed-width alignment, null-safe conversions and
// number formats.
//
// Key codes are the 16-bit signed character codes of the system code page
// (CP932): control codes 0-31, single-byte characters 32-255 (half-width
// katakana among them) and negative codes for double-byte characters.

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>

class QObject;

namespace Ostrel7 {

class clsMethod;

// The kind of key a filter accepts. The filter also understands 3 (as 5 but
// Enter refused), 7 (Y/N only), 8 (digits 1-9) and 9 (as 3), which have no name.
enum ENUM_CheckKeyAscii : int32_t {
    wantNUM_yDecimal_nMinus = 1,
    wantNUM_nDecimal_yMinus = 2,
    wantNUM_nDecimal_nMinus = 4,
    wantNUM_yDecimal_yMinus = 5,
    wantABC = 6,
    wantAnything = 99,
};

class clsString {
public:
    clsString();
    ~clsString();
    clsString(const clsString&) = delete;
    clsString& operator=(const clsString&) = delete;

    // Binary digits to upper-case hexadecimal, four digits at a time; a group
    // that is not four binary digits adds nothing.
    QString Convert2To16(const QString& svalue);
    // True when every character is a hexadecimal digit (and for "").
    bool IsHex(const QString& svalue);
    // Binary digits to a byte; a "1" beyond bit 7 is an overflow.
    uint8_t ParseByteBit(const QString& sBit);
    // The leading number of the value's text, rounded half to even; Null is 0.
    int32_t Nz(const QVariant& var);
    // The value's text; Null is "".
    QString Nzs(const QVariant& var);
    // Removes every tab and blank.
    QString TrimTabSpace(const QString& sTarget);
    // True when the key suits the kind of input (see ENUM_CheckKeyAscii).
    bool CheckKeyAscii(int16_t KeyAscii, ENUM_CheckKeyAscii Which);
    // The code of the key's upper-case character.
    int16_t CvToBigASC(int16_t KeyAscii);
    // KeyPress filter of a text control holding at most lenChar characters
    // (a line edit, a multi-line box or an editable combo box; a line break
    // counts as its two characters CR LF): swallows (sets to 0) a key of the
    // wrong kind, or one typed into a full control with nothing selected.
    void Mask(QObject* txtObj, int32_t lenChar, ENUM_CheckKeyAscii maskType, int16_t& KeyAscii);
    // Removes every CR and LF.
    QString TrimReturn(const QString& sTarget);
    // Removes every blank and NUL.
    QString TrimSpace(const QString& sTarget);
    // "00"-"FF".
    QString Fmt16(uint8_t tByte);
    // Upper-case hexadecimal (two's complement for negatives), zero-filled to Col digits.
    QString Fmt16Ex(int16_t tInt, int32_t Col);
    // Left-aligned in exactly MOJIKAZU characters.
    QString GetLYoseStr(const QString& sTarget, uint8_t MOJIKAZU);
    // Right-aligned in Haba (2-12) characters; other widths give "".
    QString GetRYoseStr(const QVariant& Char, int32_t Haba);
    // KAISU zeros.
    QString GetZeroStr(int16_t KAISU);
    // True for a letter A-Z or a-z.
    bool IsABC(int16_t KeyAscii);
    // Which 1: "#,##0.0" in the current locale; any other Which gives "".
    QString StrFormat(const QVariant& tStr, uint8_t Which);
    // False when the text has more than UNIT digits after its first ".".
    bool CheckShosu(const QString& tStr, int16_t UNIT);

private:
    clsMethod& method();
    std::unique_ptr<clsMethod> method_;
};

} // namespace Ostrel7
