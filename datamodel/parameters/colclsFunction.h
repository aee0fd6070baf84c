#pragma once
// The parameter model of one setting table: the function groups with their
// parameters and choices (from Set01.e, Set02.e, Set03.e, Set10.e), the table
// header, the SEK companion, and reading and saving the table's values.

#include "datamodel/common/Enums.h"
#include "datamodel/common/KeyedCollection.h"
#include "datamodel/common/NarrowOrOverflow.h"
#include "datamodel/parameters/clsFunction.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

class clsDigital;

class colclsFunction : public KeyedCollection<clsFunction> {
public:
    colclsFunction();
    ~colclsFunction();
    colclsFunction(const colclsFunction&) = delete;
    colclsFunction& operator=(const colclsFunction&) = delete;

    // The KinoNO of the first parameter named sDigital in the group sFunctionName; "" if none.
    QString GetKinoNoByDigital(const QString& sFunctionName, const QString& sDigital);

    // Table header: fed by a user-table read, written into every saved table.
    // A value outside the Byte (0..255) or Integer (-32768..32767) range
    // raises Overflow.
    uint8_t SettingTableNo() const { return settingTableNo_; }
    void setSettingTableNo(int64_t v) { settingTableNo_ = narrowOrOverflow<uint8_t>(v); }
    int16_t DataVersion() const { return dataVersion_; }
    void setDataVersion(int64_t v) { dataVersion_ = narrowOrOverflow<int16_t>(v); }
    const QString& KishuName() const { return kishuName_; }
    void setKishuName(const QString& v) { kishuName_ = v; }

    // Counts over all groups.
    int32_t AllDititalCount();
    int32_t SpecialDigitalCount();
    int32_t DifDititalCount();

    // The setting text files, read from the library folder once at start-up.
    bool ReadSet01e();
    bool ReadSet02e();
    bool ReadSet03e();
    bool ReadSet10e();

    std::shared_ptr<clsFunction> Add(const QString& sFunctionName, const QString& sTOPKMK);

    // True for the kinds whose parameters are edited specially ("KAKUDO_SET", "TIME_SET").
    bool DoesSpecialKinoNo(const QString& sKinoNo) const;

    // Reads the SEK companion whole into the SEK buffer.
    void ReadSEK(const QString& sSEKFullFname);
    // Reads the values of the table at lStarting into StdValue (eSTD) or
    // UserValue (eUSR, with the header and, when named, the SEK file).
    bool ReadData(ENUM_USRSTD eSTDUSR, const QString& sTempFullFname, int32_t lStarting,
                  const QString& sSEKFullFname);
    // Builds the new user file from the current one with the model's values
    // merged in at lStart, and writes the SEK buffer as "sek.tmp" beside it.
    bool SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lStart,
                  ENUM_ETBSTG eNewETBSTG, const QString& sCrntUserFullFname);

    // The parameter report: the parameters of the groups whose TOPKMK is in
    // dicTOPKMK (only those whose values differ when booOnlyDif) written as a
    // workbook; True when it was saved.
    bool PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname,
                      const QSet<QString>& dicTOPKMK, bool booOnlyDif);

    // Progress of the parameter report.
    std::function<void(const QString&)> Doing;

    // Removes the first parameter with exactly that name, searched over all groups;
    // False (after a message) when there is none.
    bool Delete_Digital(const QString& sDigital);
    bool Update_AllowEdit(const QString& sDigital, bool allow);

    // Every parameter of every group, in order.
    template <typename F>
    void forEachDigital(F&& f) const;

    // The header's table flag (bit 7 of byte 0) of the last user-table read.
    bool tableFlag() const { return tableFlag_; }
    void setTableFlag(bool v) { tableFlag_ = v; }
    // The bytes of the last SEK read; empty before the first.
    const QByteArray& sekBuffer() const { return sek_; }
    void setSekBuffer(const QByteArray& v) { sek_ = v; }

    Ostrel7::clsMethod& method() { return *method_; }

private:
    std::shared_ptr<clsDigital> findDigital(const QString& sDigital, std::shared_ptr<clsFunction>* group);

    std::unique_ptr<Ostrel7::clsMethod> method_;
    uint8_t settingTableNo_ = 0;
    int16_t dataVersion_ = 0;
    QString kishuName_;
    bool tableFlag_ = false;
    QByteArray sek_;
};

} // namespace Telva27

#include "datamodel/parameters/colclsDigital.h"

template <typename F>
void Telva27::colclsFunction::forEachDigital(F&& f) const
{
    for (const auto& group : *this)
        for (const auto& digital : *group->Items())
            f(*digital);
}
