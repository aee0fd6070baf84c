#include "clsCustom.h"

#include "datamodel/common/mTELVA.h"

namespace Telva27 {

namespace {

// The letter pairs of ConvertLetter.
enum LetterKind : int32_t { kLogicLetters = 0, kDosaLetters = 1, kSwitchLetters = 2 };

QString toLetter(LetterKind kind, uint8_t value)
{
    return mTELVA::ConvertLetter(kind, 1, QVariant(int32_t{value})).toString();
}

uint8_t fromLetter(LetterKind kind, const QString& text)
{
    return static_cast<uint8_t>(mTELVA::ConvertLetter(kind, 0, text).toUInt());
}

} // namespace

QString clsCustom::LogicJ() const { return toLetter(kLogicLetters, logic_); }
void clsCustom::setLogicJ(const QString& v) { logic_ = fromLetter(kLogicLetters, v); }
QString clsCustom::DosaJ() const { return toLetter(kDosaLetters, dosa_); }
void clsCustom::setDosaJ(const QString& v) { dosa_ = fromLetter(kDosaLetters, v); }
QString clsCustom::ChoppingJ() const { return toLetter(kSwitchLetters, chopping_); }
void clsCustom::setChoppingJ(const QString& v) { chopping_ = fromLetter(kSwitchLetters, v); }
QString clsCustom::OffDelayJ() const { return toLetter(kSwitchLetters, offDelay_); }
void clsCustom::setOffDelayJ(const QString& v) { offDelay_ = fromLetter(kSwitchLetters, v); }
QString clsCustom::OnDelayJ() const { return toLetter(kSwitchLetters, onDelay_); }
void clsCustom::setOnDelayJ(const QString& v) { onDelay_ = fromLetter(kSwitchLetters, v); }

bool clsCustom::isOutputPin() const
{
    // Asked for every pin at every read of a table: no case mapping call.
    return !location_.isEmpty() && (location_.at(0) == u'O' || location_.at(0) == u'o');
}

} // namespace Telva27
