#pragma once
// One parameter: where its value lives in the setting table, its limits and
// texts, and its factory (STD) and user (USR) values.

#include "datamodel/common/NarrowOrOverflow.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>

namespace Telva27 {

class colclsSelection;

// Byte properties take any whole number and raise Overflow outside 0..255.
class clsDigital {
public:
    // Takes an edited value: a number, or the text of one of the choices.
    void UpdateUserValue(const QVariant& var);
    // Adds a choice (unless sSelection is empty) and its description to DetailAdvice.
    void AddSelection(const QString& sSelection, int32_t lngValue, const QString& sDetailAdvice);

    const QString& KinoNO() const { return kinoNo_; }
    void setKinoNO(const QString& v) { kinoNo_ = v; }
    uint8_t DataRam() const { return dataRam_; }
    void setDataRam(int64_t v) { dataRam_ = narrowOrOverflow<uint8_t>(v); }
    uint8_t Bit() const { return bit_; }
    void setBit(int64_t v) { bit_ = narrowOrOverflow<uint8_t>(v); }
    int32_t RamAddress() const { return ramAddress_; }
    void setRamAddress(int32_t v) { ramAddress_ = v; }
    int32_t MinRamAddress() const { return minRamAddress_; }
    void setMinRamAddress(int32_t v) { minRamAddress_ = v; }
    int32_t MaxRamAddress() const { return maxRamAddress_; }
    void setMaxRamAddress(int32_t v) { maxRamAddress_ = v; }
    // Created empty on first use and shared, never copied.
    std::shared_ptr<colclsSelection> Selections();
    // Whether Selections() was ever asked for (or set), without creating it.
    bool hasSelections() const { return selections_ != nullptr; }
    void setSelections(std::shared_ptr<colclsSelection> v) { selections_ = std::move(v); }
    const QString& Digital() const { return digital_; }
    void setDigital(const QString& v) { digital_ = v; }
    const QString& Advice() const { return advice_; }
    void setAdvice(const QString& v) { advice_ = v; }
    const QString& Max() const { return max_; }
    void setMax(const QString& v) { max_ = v; }
    const QString& Min() const { return min_; }
    void setMin(const QString& v) { min_ = v; }
    const QString& Unit() const { return unit_; }
    void setUnit(const QString& v) { unit_ = v; }
    const QString& InputMethod() const { return inputMethod_; }
    void setInputMethod(const QString& v) { inputMethod_ = v; }
    const QString& DetailAdvice() const { return detailAdvice_; }
    void setDetailAdvice(const QString& v) { detailAdvice_ = v; }
    int32_t StdValue() const { return stdValue_; }
    void setStdValue(int32_t v) { stdValue_ = v; }
    int32_t UserValue() const { return userValue_; }
    void setUserValue(int32_t v) { userValue_ = v; }
    bool AllowEdit() const { return allowEdit_; }
    void setAllowEdit(bool v) { allowEdit_ = v; }

    bool isSelection() const { return inputMethod_ == QLatin1String("SELECTION"); }

private:
    QString kinoNo_;
    uint8_t dataRam_ = 0;
    uint8_t bit_ = 0;
    int32_t ramAddress_ = 0;
    int32_t minRamAddress_ = 0;
    int32_t maxRamAddress_ = 0;
    std::shared_ptr<colclsSelection> selections_;
    QString digital_;
    QString advice_;
    QString max_;
    QString min_;
    QString unit_;
    QString inputMethod_;
    QString detailAdvice_;
    int32_t stdValue_ = 0;
    int32_t userValue_ = 0;
    bool allowEdit_ = false;
};

} // namespace Telva27
