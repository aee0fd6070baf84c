#include "clsString.h"

#include "util/method/TextControl.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "platform/Cp932.h"
#include "platform/RuntimeError.h"
#include "platform/Val.h"
#include "platform/VariantText.h"

#include <QLocale>
#include <QObject>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace Ostrel7 {

namespace {

// Texts longer than this were walked with a 16-bit counter, which overflowed.
constexpr qsizetype kLongestWalkedText = 32766;

bool isNull(const QVariant& value) { return !value.isValid() || value.isNull(); }

bool isDigit(int code) { return code >= '0' && code <= '9'; }
bool isLetter(int code) { return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z'); }

// Where the locale writes "4,2" for four point two, a typed comma is the decimal mark.
bool commaIsDecimalMark() { return QLocale().decimalPoint() == QStringLiteral(","); }

// Signed decimal numbers: control keys (and every double-byte character, whose
// code is negative), "-", "." and digits.
bool signedDecimalKey(int code) { return code < 31 || code == '-' || code == '.' || isDigit(code); }

QString withoutCharacters(const QString& text, std::initializer_list<char16_t> removed)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text)
        if (std::find(removed.begin(), removed.end(), c.unicode()) == removed.end())
            kept.append(c);
    return kept;
}

void checkWalkable(const QString& text)
{
    if (text.size() > kLongestWalkedText)
        throw platform::RuntimeError(platform::errOverflow);
}

// The bytes of a key code in the code page: one byte for 0-255, lead and trail
// byte for a (negative) double-byte code.
QByteArray bytesOfKey(int16_t code)
{
    const auto unit = static_cast<uint16_t>(code);
    if (unit <= 0xFF)
        return QByteArray(1, static_cast<char>(unit));
    QByteArray bytes;
    bytes.append(static_cast<char>(unit >> 8));
    bytes.append(static_cast<char>(unit & 0xFF));
    return bytes;
}

std::optional<int16_t> keyOfBytes(const QByteArray& bytes)
{
    if (bytes.size() == 1)
        return static_cast<int16_t>(static_cast<uint8_t>(bytes[0]));
    if (bytes.size() == 2)
        return static_cast<int16_t>((static_cast<uint8_t>(bytes[0]) << 8) | static_cast<uint8_t>(bytes[1]));
    return std::nullopt;
}

// The number a value stands for in a number format, or nothing for a text
// that is not a number (such texts are shown as they are).
std::optional<double> formattableNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? -1.0 : 0.0;
    case QMetaType::QString: {
        bool ok = false;
        const double number = QLocale().toDouble(value.toString().trimmed(), &ok);
        return ok ? std::optional<double>(number) : std::nullopt;
    }
    default: break;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

// "#,##0.0": grouped thousands, one decimal rounded half away from zero on the
// number's 15-digit decimal form (so 0.15 shows as 0.2, as users expect).
QString groupedOneDecimal(double number)
{
    const double tenths = std::round(QString::number(number * 10, 'g', 15).toDouble());
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(tenths / 10, 'f', 1);
}

} // namespace

clsString::clsString() = default;
clsString::~clsString() = default;

clsMethod& clsString::method()
{
    if (!method_)
        method_ = std::make_unique<clsMethod>();
    return *method_;
}

QString clsString::Convert2To16(const QString& svalue)
{
    return trapped(method(), QStringLiteral("Convert2To16"), [&] {
        QString hex;
        for (qsizetype at = 0; at < svalue.size(); at += 4) {
            const QString group = svalue.mid(at, 4);
            bool binary = group.size() == 4;
            for (QChar c : group)
                binary = binary && (c == u'0' || c == u'1');
            if (binary)
                hex.append(QString::number(group.toInt(nullptr, 2), 16).toUpper());
        }
        return hex;
    });
}

bool clsString::IsHex(const QString& svalue)
{
    return std::all_of(svalue.begin(), svalue.end(), [](QChar c) { return platform::digitValue(c) >= 0; });
}

uint8_t clsString::ParseByteBit(const QString& sBit)
{
    return trapped(method(), QStringLiteral("ParseByteBit"), [&] {
        unsigned value = 0;
        for (qsizetype bit = 0; bit < sBit.size(); ++bit) {
            if (sBit[sBit.size() - 1 - bit] != u'1')
                continue;
            if (bit >= 8)
                throw platform::RuntimeError(platform::errOverflow);
            value += 1u << bit;
        }
        return static_cast<uint8_t>(value);
    });
}

int32_t clsString::Nz(const QVariant& var)
{
    return trapped(method(), QStringLiteral("Nz"), [&] {
        return isNull(var) ? 0 : platform::ValAs<int32_t>(platform::variantText(var));
    });
}

QString clsString::Nzs(const QVariant& var)
{
    return trapped(method(), QStringLiteral("Nzs"), [&] {
        return isNull(var) ? QString() : platform::variantText(var);
    });
}

QString clsString::TrimTabSpace(const QString& sTarget)
{
    return trapped(method(), QStringLiteral("TrimTabSpace"), [&] { return withoutCharacters(sTarget, {u'\t', u' '}); });
}

bool clsString::CheckKeyAscii(int16_t KeyAscii, ENUM_CheckKeyAscii Which)
{
    int code = KeyAscii;
    if (code == ',' && commaIsDecimalMark())
        code = '.';
    const bool control = code < 31; // double-byte characters (negative) count as control keys
    switch (static_cast<int32_t>(Which)) {
    case 1: return control || code == '.' || isDigit(code);
    case 2: return control || code == '-' || isDigit(code);
    case 3:
    case 9: return code != 13 && signedDecimalKey(code);
    case 4: return control || isDigit(code);
    case 5: return signedDecimalKey(code);
    case 6: return control || isLetter(code);
    case 7: return code == 'Y' || code == 'y' || code == 'N' || code == 'n';
    case 8: return control || (code >= '1' && code <= '9');
    default: return false;
    }
}

int16_t clsString::CvToBigASC(int16_t KeyAscii)
{
    // Through the character itself, so that full-width letters become
    // full-width capitals; a code that is no character of the code page, or
    // whose capital has no code, is left as it is rather than turned into "?".
    const QString character = platform::cp932::decode(bytesOfKey(KeyAscii));
    if (character.size() != 1 || character[0] == QChar::ReplacementCharacter)
        return KeyAscii;
    const QString upper = character.toUpper();
    if (upper == character)
        return KeyAscii;
    const QByteArray bytes = platform::cp932::encode(upper);
    if (platform::cp932::decode(bytes) != upper)
        return KeyAscii;
    return keyOfBytes(bytes).value_or(KeyAscii);
}

void clsString::Mask(QObject* txtObj, int32_t lenChar, ENUM_CheckKeyAscii maskType, int16_t& KeyAscii)
{
    trapped(method(), QStringLiteral("Mask"), [&] {
        if (KeyAscii <= 32) // control keys, the blank and double-byte characters always pass
            return;
        if (maskType != wantAnything && !CheckKeyAscii(KeyAscii, maskType)) {
            KeyAscii = 0;
            return;
        }
        const TextControl control(txtObj);
        if (control.selectedText().isEmpty() && control.text().size() >= lenChar)
            KeyAscii = 0;
    });
}

QString clsString::TrimReturn(const QString& sTarget)
{
    checkWalkable(sTarget);
    return withoutCharacters(sTarget, {u'\r', u'\n'});
}

QString clsString::TrimSpace(const QString& sTarget)
{
    return trapped(method(), QStringLiteral("TrimSpace"), [&] {
        checkWalkable(sTarget);
        return withoutCharacters(sTarget, {u' ', u'\0'});
    });
}

QString clsString::Fmt16(uint8_t tByte)
{
    return trapped(method(), QStringLiteral("Fmt16"),
                   [&] { return QStringLiteral("%1").arg(tByte, 2, 16, QLatin1Char('0')).toUpper(); });
}

QString clsString::Fmt16Ex(int16_t tInt, int32_t Col)
{
    return trapped(method(), QStringLiteral(" Fmt16Ex"), [&] {
        const QString hex = QString::number(static_cast<uint16_t>(tInt), 16).toUpper();
        return hex.size() >= Col ? hex : QString(Col - hex.size(), u'0') + hex;
    });
}

QString clsString::GetLYoseStr(const QString& sTarget, uint8_t MOJIKAZU)
{
    return sTarget.left(MOJIKAZU).leftJustified(MOJIKAZU, u' ');
}

QString clsString::GetRYoseStr(const QVariant& Char, int32_t Haba)
{
    if (Haba < 2 || Haba > 12)
        return {};
    return platform::variantText(Char).rightJustified(Haba, u' ');
}

QString clsString::GetZeroStr(int16_t KAISU)
{
    if (KAISU == 32767) // the 16-bit counter of the filling loop overflows
        throw platform::RuntimeError(platform::errOverflow);
    return KAISU <= 0 ? QString() : QString(KAISU, u'0');
}

bool clsString::IsABC(int16_t KeyAscii) { return isLetter(KeyAscii); }

QString clsString::StrFormat(const QVariant& tStr, uint8_t Which)
{
    if (Which != 1)
        return {};
    if (isNull(tStr))
        throw platform::RuntimeError(platform::errInvalidUseOfNull);
    if (const auto number = formattableNumber(tStr))
        return groupedOneDecimal(*number);
    return platform::variantText(tStr);
}

bool clsString::CheckShosu(const QString& tStr, int16_t UNIT)
{
    return trapped(
        method(), QStringLiteral("CheckShosu"),
        [&] {
            const qsizetype point = tStr.indexOf(u'.');
            if (point < 0)
                return true;
            if (point + 1 > 32767) // the position was kept in a 16-bit variable
                throw platform::RuntimeError(platform::errOverflow);
            return tStr.size() - point - 1 <= UNIT;
        },
        true);
}

} // namespace Ostrel7
