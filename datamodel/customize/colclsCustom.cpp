#include "colclsCustom.h"

#include "datamodel/common/NarrowOrOverflow.h"
#include "datamodel/customize/CustomizeSetFiles.h"
#include "datamodel/customize/CustomizeTableFile.h"
#include "datamodel/reports/CustomizeReport.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <array>

namespace Telva27 {

namespace {

constexpr int32_t kResDuty = 263;
constexpr int32_t kResAllWaveOutput = 303;

struct DutyInfo {
    const char* code;
    const char* description;
    int32_t word;
};

constexpr std::array<DutyInfo, 8> kDuties = {{
    {"ALL", "100%", kResAllWaveOutput},
    {"66L", "8ms=ON, 4ms=OFF, 66%", kResDuty},
    {"66H", "4ms=ON, 2ms=OFF, 66%", kResDuty},
    {"50L", "4ms=ON, 4ms=OFF, 50%", kResDuty},
    {"50H", "2ms=ON, 2ms=OFF, 50%", kResDuty},
    {"33", "2ms=ON, 4ms=OFF, 33%", kResDuty},
    {"17", "2ms=ON, 10ms=OFF, 17%", kResDuty},
    {"8", "2ms=ON, 22ms=OFF, 8%", kResDuty},
}};

const DutyInfo* dutyInfo(int32_t index)
{
    return index >= 0 && index < static_cast<int32_t>(kDuties.size()) ? &kDuties[static_cast<size_t>(index)]
                                                                      : nullptr;
}

// The catalogue, taken once for the run.
const Resource::clsResource& catalogue()
{
    static const Resource::clsResource resource;
    return resource;
}

QString nextOf(const QString& letter, const char* first, const char* second)
{
    return letter == QLatin1String(first) ? QString::fromLatin1(second) : QString::fromLatin1(first);
}

} // namespace

colclsCustom::colclsCustom()
    : method_(std::make_unique<Ostrel7::clsMethod>()), libraryFolder_(platform::folders::libraryFolder())
{
}

colclsCustom::~colclsCustom() = default;

QString colclsCustom::GetDutyInfo1(int32_t LIndex) const
{
    const DutyInfo* info = dutyInfo(LIndex);
    return info ? QString::fromLatin1(info->code) : QString();
}

QString colclsCustom::GetDutyInfo2(int32_t LIndex) const
{
    const DutyInfo* info = dutyInfo(LIndex);
    return info ? QString::fromLatin1(info->description) + catalogue().Res(info->word) : QString();
}

std::shared_ptr<clsCustom> colclsCustom::Add(ENUM_INOUT eINOUT, const QString& sLocation, int32_t lngKinoRamAddress,
                                             int32_t lngLogicRamAddress, int64_t bytLogicBit,
                                             int32_t lngDosaRamAddress, int64_t bytDosaBit,
                                             int64_t bytDosaOnDelayBit, int64_t bytDosaOffDelayBit,
                                             int32_t lngOnDelayTimeRamAddress, int32_t lngOffDelayTimeRamAddress,
                                             int32_t lngChoppingRamAddress, int64_t bytChoppingBit,
                                             int32_t lngZenpaTimeRamAddress, int32_t lngDutyRamAddress,
                                             int64_t bytDutyBit)
{
    // Every Byte argument is checked at the call, those an input pin ignores too.
    for (const int64_t mask :
         {bytLogicBit, bytDosaBit, bytDosaOnDelayBit, bytDosaOffDelayBit, bytChoppingBit, bytDutyBit})
        narrowOrOverflow<uint8_t>(mask);
    auto pin = std::make_shared<clsCustom>();
    pin->setLocation(sLocation);
    pin->setKinoRamAddress(lngKinoRamAddress);
    pin->setLogicRamAddress(lngLogicRamAddress);
    pin->setLogicBit(bytLogicBit);
    pin->setDosaRamAddress(lngDosaRamAddress);
    pin->setDosaBit(bytDosaBit);
    if (eINOUT == eOUTPUT) {
        pin->setDosaOnDelayBit(bytDosaOnDelayBit);
        pin->setDosaOffDelayBit(bytDosaOffDelayBit);
        pin->setOnDelayTimeRamAddress(lngOnDelayTimeRamAddress);
        pin->setOffDelayTimeRamAddress(lngOffDelayTimeRamAddress);
        pin->setChoppingRamAddress(lngChoppingRamAddress);
        pin->setChoppingBit(bytChoppingBit);
        pin->setZenpaTimeRamAddress(lngZenpaTimeRamAddress);
        pin->setDutyRamAddress(lngDutyRamAddress);
        pin->setDutyBit(bytDutyBit);
        pin->setOutIsLack(lngChoppingRamAddress == 0);
    }
    KeyedCollection::Add(pin, sLocation);
    return pin;
}

QString colclsCustom::GetNextLogicLetter(const QString& sLetter) { return nextOf(sLetter, "-", "REV"); }

QString colclsCustom::GetNextDosaLetter(const QString& sLetter) { return nextOf(sLetter, "-", "ALT"); }

QString colclsCustom::GetNextYukoMukoLetter(const QString& sLetter) { return nextOf(sLetter, "ON", "OFF"); }

bool colclsCustom::ReadData(const QString& sTempFullFname, int32_t lngStarting)
{
    return CustomizeTableFile(*this).ReadData(sTempFullFname, lngStarting);
}

bool colclsCustom::ReadSet04e() { return CustomizeSetFiles(*this).ReadSet04e(); }

bool colclsCustom::ReadSet05e() { return CustomizeSetFiles(*this).ReadSet05e(); }

bool colclsCustom::SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lngStarting,
                            ENUM_ETBSTG eNewETBSTG)
{
    return CustomizeTableFile(*this).SaveData(eCrntETBSTG, sNewUserFullFname, lngStarting, eNewETBSTG);
}

bool colclsCustom::DoesDiff(const std::shared_ptr<clsCustom>& cusUsr, const std::shared_ptr<clsCustom>& cusStd)
{
    return Ostrel7::trapped(
        *method_, QStringLiteral("DoesDiff"),
        [&] {
            if (!cusUsr || !cusStd)
                throw platform::RuntimeError(platform::errObjectNotSet);
            const clsCustom& u = *cusUsr;
            const clsCustom& s = *cusStd;
            return u.Kino() != s.Kino() || u.Logic() != s.Logic() || u.Dosa() != s.Dosa() ||
                   u.OnDelay() != s.OnDelay() || u.OnDelayTime() != s.OnDelayTime() || u.OffDelay() != s.OffDelay() ||
                   u.OffDelayTime() != s.OffDelayTime() || u.Chopping() != s.Chopping() ||
                   u.ZenpaTime() != s.ZenpaTime() || u.Duty() != s.Duty();
        },
        true);
}

bool colclsCustom::PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname,
                                colclsCustom& cusStd, colclsCusSelection& selinp, colclsCusSelection& selout,
                                bool booOnlyDif)
{
    return CustomizeReport(*this, cusStd, selinp, selout, booOnlyDif).PrintToExcel(eExcelVersionIndex, sExcelFullFname);
}

bool colclsCustom::MustWrite(bool booOnlyDif, const std::shared_ptr<clsCustom>& cusStd,
                             const std::shared_ptr<clsCustom>& cusUsr)
{
    return Ostrel7::trapped(
        *method_, QStringLiteral("MustWrite"), [&] { return !booOnlyDif || DoesDiff(cusUsr, cusStd); }, true);
}

} // namespace Telva27
