#pragma once
// The customize table of one setting table: every connector pin (inputs from
// Set04.e, then outputs from Set05.e) keyed by pin name, with reading and
// writing of the pins' values and the small services of the customize window.

#include "datamodel/common/Enums.h"
#include "datamodel/common/InOut.h"
#include "datamodel/common/KeyedCollection.h"
#include "datamodel/customize/clsCustom.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

class colclsCusSelection;
class CustomizeReport;

class colclsCustom : public KeyedCollection<clsCustom> {
public:
    colclsCustom();
    ~colclsCustom();
    colclsCustom(const colclsCustom&) = delete;
    colclsCustom& operator=(const colclsCustom&) = delete;

    // The short code and the description of duty index LIndex; "" outside 0-7.
    QString GetDutyInfo1(int32_t LIndex) const;
    QString GetDutyInfo2(int32_t LIndex) const;

    // Whether this is the user's or the factory table; set by the creator.
    ENUM_USRSTD UsrOrStd() const { return usrOrStd_; }
    void setUsrOrStd(ENUM_USRSTD v) { usrOrStd_ = v; }

    // Adds a pin; the output arguments are kept only for an eOUTPUT pin, which
    // has no chopping, full-wave time and duty when its chopping address is 0.
    // A name already present throws (457), a mask outside 0..255 Overflow (6);
    // either adds nothing.
    std::shared_ptr<clsCustom> Add(ENUM_INOUT eINOUT, const QString& sLocation, int32_t lngKinoRamAddress,
                                   int32_t lngLogicRamAddress, int64_t bytLogicBit, int32_t lngDosaRamAddress,
                                   int64_t bytDosaBit, int64_t bytDosaOnDelayBit = 0, int64_t bytDosaOffDelayBit = 0,
                                   int32_t lngOnDelayTimeRamAddress = 0, int32_t lngOffDelayTimeRamAddress = 0,
                                   int32_t lngChoppingRamAddress = 0, int64_t bytChoppingBit = 0,
                                   int32_t lngZenpaTimeRamAddress = 0, int32_t lngDutyRamAddress = 0,
                                   int64_t bytDutyBit = 0);

    // The next text of a letter cell: "-" <-> "REV", "-" <-> "ALT", "ON" <-> "OFF".
    // Only the exact first text of the pair moves on; anything else gives it.
    static QString GetNextLogicLetter(const QString& sLetter);
    static QString GetNextDosaLetter(const QString& sLetter);
    static QString GetNextYukoMukoLetter(const QString& sLetter);

    // The pin values of the table at lngStarting (1-based) of a table file.
    bool ReadData(const QString& sTempFullFname, int32_t lngStarting);
    // The pins of Set04.e (inputs) and Set05.e (outputs) in the library folder.
    bool ReadSet04e();
    bool ReadSet05e();
    // Writes the pins into the new user file the parameter save produced: into
    // all eight tables when a one-table file became an eight-table file, else
    // into the table at lngStarting.
    bool SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lngStarting,
                  ENUM_ETBSTG eNewETBSTG);

    // True when any value of the user pin differs from the factory pin
    // (names, addresses and masks are not compared); True after a failure.
    bool DoesDiff(const std::shared_ptr<clsCustom>& cusUsr, const std::shared_ptr<clsCustom>& cusStd);

    // Writes the customize report of these (the user's) pins beside the
    // factory pins cusStd into a new workbook sExcelFullFname, naming the
    // functions from selinp (input pins) and selout (all others); with
    // booOnlyDif only the pins that differ. True when the workbook was saved.
    bool PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname,
                      colclsCustom& cusStd, colclsCusSelection& selinp, colclsCusSelection& selout, bool booOnlyDif);

    // Progress of the customize report.
    std::function<void(const QString&)> Doing;

    // The folder Set04.e and Set05.e are read from, fixed when the table was made.
    const QString& libraryFolder() const { return libraryFolder_; }
    Ostrel7::clsMethod& method() { return *method_; }

private:
    friend class CustomizeReport;

    // Whether the report prints a pin: always, or with booOnlyDif only when it
    // differs from its factory pin; True after a failure (reported).
    bool MustWrite(bool booOnlyDif, const std::shared_ptr<clsCustom>& cusStd,
                   const std::shared_ptr<clsCustom>& cusUsr);

    std::unique_ptr<Ostrel7::clsMethod> method_;
    QString libraryFolder_;
    ENUM_USRSTD usrOrStd_ = eUSR;
};

} // namespace Telva27
