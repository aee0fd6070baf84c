#pragma once
// One customizable connector pin: its function code and switches, and where
// each of them lives in the setting table (byte address and bit mask).
// Bit-field values are held shifted down to their plain number, except Duty,
// which holds its masked byte as it stands in the table. Byte properties take
// any whole number and raise Overflow outside 0..255.

#include "datamodel/common/NarrowOrOverflow.h"

#include <QString>
#include <cstdint>

namespace Telva27 {

class clsCustom {
public:
    // True for an output pin whose table has no chopping, full-wave time and duty.
    bool OutIsLack() const { return outIsLack_; }
    void setOutIsLack(bool v) { outIsLack_ = v; }

    // The two-valued switches as the texts the customize grid shows: "-"/"REV",
    // "-"/"ALT", "OFF"/"ON". Setting the first text stores 0, any other text 1.
    QString LogicJ() const;
    void setLogicJ(const QString& v);
    QString DosaJ() const;
    void setDosaJ(const QString& v);
    QString ChoppingJ() const;
    void setChoppingJ(const QString& v);
    QString OffDelayJ() const;
    void setOffDelayJ(const QString& v);
    QString OnDelayJ() const;
    void setOnDelayJ(const QString& v);

    uint8_t ZenpaTime() const { return zenpaTime_; }
    void setZenpaTime(int64_t v) { zenpaTime_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t Duty() const { return duty_; }
    void setDuty(int64_t v) { duty_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t OffDelayTime() const { return offDelayTime_; }
    void setOffDelayTime(int64_t v) { offDelayTime_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t OnDelayTime() const { return onDelayTime_; }
    void setOnDelayTime(int64_t v) { onDelayTime_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t OffDelay() const { return offDelay_; }
    void setOffDelay(int64_t v) { offDelay_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t OnDelay() const { return onDelay_; }
    void setOnDelay(int64_t v) { onDelay_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t Dosa() const { return dosa_; }
    void setDosa(int64_t v) { dosa_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t Chopping() const { return chopping_; }
    void setChopping(int64_t v) { chopping_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t Logic() const { return logic_; }
    void setLogic(int64_t v) { logic_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t Kino() const { return kino_; }
    void setKino(int64_t v) { kino_ = narrowOrOverflow<uint8_t>(v); }
    const QString& Location() const { return location_; }
    void setLocation(const QString& v) { location_ = v; }

    uint8_t DutyBit() const { return dutyBit_; }
    void setDutyBit(int64_t v) { dutyBit_ = narrowOrOverflow<uint8_t>(v); }
    int32_t DutyRamAddress() const { return dutyRamAddress_; }
    void setDutyRamAddress(int32_t v) { dutyRamAddress_ = v; }
    int32_t ZenpaTimeRamAddress() const { return zenpaTimeRamAddress_; }
    void setZenpaTimeRamAddress(int32_t v) { zenpaTimeRamAddress_ = v; }
    int32_t OffDelayTimeRamAddress() const { return offDelayTimeRamAddress_; }
    void setOffDelayTimeRamAddress(int32_t v) { offDelayTimeRamAddress_ = v; }
    int32_t OnDelayTimeRamAddress() const { return onDelayTimeRamAddress_; }
    void setOnDelayTimeRamAddress(int32_t v) { onDelayTimeRamAddress_ = v; }
    uint8_t DosaOffDelayBit() const { return dosaOffDelayBit_; }
    void setDosaOffDelayBit(int64_t v) { dosaOffDelayBit_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t DosaOnDelayBit() const { return dosaOnDelayBit_; }
    void setDosaOnDelayBit(int64_t v) { dosaOnDelayBit_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t DosaBit() const { return dosaBit_; }
    void setDosaBit(int64_t v) { dosaBit_ = narrowOrOverflow<uint8_t>(v); }
    int32_t DosaRamAddress() const { return dosaRamAddress_; }
    void setDosaRamAddress(int32_t v) { dosaRamAddress_ = v; }
    uint8_t ChoppingBit() const { return choppingBit_; }
    void setChoppingBit(int64_t v) { choppingBit_ = narrowOrOverflow<uint8_t>(v); }
    int32_t ChoppingRamAddress() const { return choppingRamAddress_; }
    void setChoppingRamAddress(int32_t v) { choppingRamAddress_ = v; }
    uint8_t LogicBit() const { return logicBit_; }
    void setLogicBit(int64_t v) { logicBit_ = narrowOrOverflow<uint8_t>(v); }
    int32_t LogicRamAddress() const { return logicRamAddress_; }
    void setLogicRamAddress(int32_t v) { logicRamAddress_ = v; }
    int32_t KinoRamAddress() const { return kinoRamAddress_; }
    void setKinoRamAddress(int32_t v) { kinoRamAddress_ = v; }

    // Read and written as an output pin: the name begins with "O" or "o".
    bool isOutputPin() const;

private:
    uint8_t kino_ = 0;
    uint8_t logic_ = 0;
    uint8_t dosa_ = 0;
    uint8_t onDelay_ = 0;
    uint8_t offDelay_ = 0;
    uint8_t onDelayTime_ = 0;
    uint8_t offDelayTime_ = 0;
    uint8_t chopping_ = 0;
    uint8_t duty_ = 0;
    uint8_t zenpaTime_ = 0;
    bool outIsLack_ = false;
    int32_t kinoRamAddress_ = 0;
    int32_t logicRamAddress_ = 0;
    uint8_t logicBit_ = 0;
    int32_t choppingRamAddress_ = 0;
    uint8_t choppingBit_ = 0;
    int32_t dosaRamAddress_ = 0;
    uint8_t dosaBit_ = 0;
    uint8_t dosaOnDelayBit_ = 0;
    uint8_t dosaOffDelayBit_ = 0;
    int32_t onDelayTimeRamAddress_ = 0;
    int32_t offDelayTimeRamAddress_ = 0;
    int32_t zenpaTimeRamAddress_ = 0;
    int32_t dutyRamAddress_ = 0;
    uint8_t dutyBit_ = 0;
    QString location_;
};

} // namespace Telva27
