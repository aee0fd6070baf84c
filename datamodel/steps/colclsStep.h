#pragma once
// One step table: up to 192 step lines keyed by their step number, with the
// table's memo, author, password, counter bytes and captions; read from and
// saved to a step file and its note file.

#include "datamodel/common/KeyedCollection.h"
#include "datamodel/common/Enums.h"
#include "datamodel/steps/StepEnums.h"
#include "datamodel/steps/clsStepOut.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

class colclsCusSelection;
class StepReport;

class colclsStep : public KeyedCollection<clsStepOut> {
public:
    using CountBytes = std::array<uint8_t, 8>;
    using Captions = std::array<QString, 8>;

    colclsStep();
    ~colclsStep();
    colclsStep(const colclsStep&) = delete;
    colclsStep& operator=(const colclsStep&) = delete;

    // "" = the table's file asks for no password.
    const QString& Password() const { return password_; }
    void setPassword(const QString& v) { password_ = v; }
    const QString& Author() const { return author_; }
    void setAuthor(const QString& v) { author_ = v; }
    // The arrays are kept as copies: changing what a getter answered changes nothing here.
    CountBytes arCountBytes() const { return countBytes_; }
    void setArCountBytes(const CountBytes& v) { countBytes_ = v; }
    Captions arCountCaption() const { return countCaption_; }
    void setArCountCaption(const Captions& v) { countCaption_ = v; }
    Captions arLcdCaption() const { return lcdCaption_; }
    void setArLcdCaption(const Captions& v) { lcdCaption_ = v; }
    const QString& Memo() const { return memo_; }
    void setMemo(const QString& v) { memo_ = v; }

    // Adds a line under the decimal text of lngrow, sharing the given
    // conditions (which may be null). nullptr (after a report) for a row
    // already present or a function code outside 16 bits.
    std::shared_ptr<clsStepOut> Add(int32_t lngrow, int32_t intKino, int32_t eLogic, int32_t lngDelayEtc,
                                    std::shared_ptr<colclsStepIn> ins, const QString& sRemark, bool booNOP,
                                    bool booREM);

    // Reads the step table at lStarting (8193, 16385 ... 57345) with the
    // header's author and password, then, when the note file exists, its
    // remarks and memo, and shows in seqout and seqinp exactly the functions
    // the table uses. On failure (reported) the table and lists stay as they were.
    bool ReadData(const QString& sDataFullFname, const QString& sRemFullFname, int32_t lStarting,
                  colclsCusSelection& seqout, colclsCusSelection& seqinp);
    // Writes the table at lStarting and the header into the step file and the
    // table's notes into the note file; with IsNew both files are made anew
    // with this table as table 1. Both files are prepared completely before
    // either is replaced. sRealRemFullFname is not used.
    bool SaveData(const QString& sRealRemFullFname, const QString& sDataFullFname, const QString& sRemFullFname,
                  int32_t lStarting, bool IsNew, colclsCusSelection& seqout, colclsCusSelection& seqinp);

    // The note file that belongs to a step file: an existing one whose name
    // differs only in letter case, else the same name with ".BIN".
    static QString NoteFileFor(const QString& sDataFullFname);

    // Writes the step report of this table into a new workbook
    // sExcelFullFname: a title row, one row per line up to the last line in
    // use, the conditions with their state pictures, and the memo below.
    // stpout and stpinp name the output and input functions. True when the
    // workbook was saved.
    bool PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname,
                      colclsCusSelection& stpout, colclsCusSelection& stpinp);

    // Progress of the step report.
    std::function<void(const QString&)> Doing;

    Ostrel7::clsMethod& method() { return *method_; }

private:
    friend class StepReport;

    // The step number of the last line in use (not NOP), in collection order;
    // 0 when there is none or after a failure (reported).
    int32_t GetLastRow();

    // Takes over what a read produced; the memo only when a note file was read.
    void adopt(colclsStep& read, bool withMemo);

    std::unique_ptr<Ostrel7::clsMethod> method_;
    QString memo_;
    QString password_;
    QString author_;
    CountBytes countBytes_{};
    Captions countCaption_;
    Captions lcdCaption_;
};

} // namespace Telva27
