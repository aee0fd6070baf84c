#pragma once
// One step table: up to 192 step lines keyed by their step number, with the
// table's memo, author, password, counter bytes and captions; read from and
// saved to a step file and its note file.
//
// The lines are kept flat: one block of 192 line records indexed by row, each
// with its conditions inline. The collection's Item and enumeration hand out
// clsStepOut views of the records, made when first asked for and then kept,
// so the same line answers the same object.

#include "datamodel/common/Enums.h"
#include "datamodel/steps/StepEnums.h"
#include "datamodel/steps/StepLine.h"
#include "datamodel/steps/clsStepOut.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

class colclsCusSelection;
class StepReport;

class colclsStep {
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

    // The keyed collection of lines, key = decimal text of the row given to
    // Add, in the order of adding: Item by 1-based position (error 9 outside)
    // or by key (error 5 when missing), Remove likewise. A removed line's
    // object keeps its values.
    std::shared_ptr<clsStepOut> Item(int32_t position) const;
    std::shared_ptr<clsStepOut> Item(const QString& key) const;
    bool Contains(const QString& key) const;
    int32_t Count() const { return static_cast<int32_t>(order_.size()); }
    void Remove(int32_t position);
    void Remove(const QString& key);
    void Clear();

    // The lines in order, for range-for.
    class const_iterator {
    public:
        const_iterator(const colclsStep* table, size_t at) : table_(table), at_(at) {}
        const std::shared_ptr<clsStepOut>& operator*() const { return table_->viewOf(table_->order_[at_]); }
        const_iterator& operator++()
        {
            ++at_;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return at_ == other.at_; }
        bool operator!=(const const_iterator& other) const { return at_ != other.at_; }

    private:
        const colclsStep* table_;
        size_t at_;
    };
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, order_.size()); }

private:
    friend class StepReport;
    friend class StepFileReader;
    friend class StepFileWriter;

    static constexpr int32_t kRows = 192;
    using Rows = std::array<StepLine, kRows>;
    // A line under a number outside 1 to 192: kept, so that a save can refuse it.
    struct Stray {
        int32_t key = 0;
        std::shared_ptr<StepLine> line; // null once removed
    };

    // The step number of the last line in use (not NOP), in collection order;
    // 0 when there is none or after a failure (reported).
    int32_t GetLastRow();

    // Takes over what a read produced; the memo only when a note file was read.
    void adopt(colclsStep& read, bool withMemo);

    // A new line record under row at the end of the collection; nullptr when
    // the row is present. For Add and the file reader.
    StepLine* addLine(int32_t row);
    // Lines are found by slot: slots 0 to 191 hold rows 1 to 192, slot 192 + i stray i.
    const StepLine& lineAt(int32_t slot) const;
    StepLine& lineAt(int32_t slot) { return const_cast<StepLine&>(std::as_const(*this).lineAt(slot)); }
    int32_t slotOfKey(const QString& key) const; // -1 when missing
    int32_t slotOfRow(int32_t row) const;        // -1 when missing
    const std::shared_ptr<clsStepOut>& viewOf(int32_t slot) const;
    void removeAt(size_t at);

    std::unique_ptr<Ostrel7::clsMethod> method_;
    std::shared_ptr<Rows> rows_; // made with the first line in 1 to 192
    std::array<bool, kRows> present_{};
    std::vector<Stray> strays_;
    std::vector<int32_t> order_; // slots in the order of adding
    mutable std::vector<std::shared_ptr<clsStepOut>> views_; // by slot, made when first asked for
    QString memo_;
    QString password_;
    QString author_;
    CountBytes countBytes_{};
    Captions countCaption_;
    Captions lcdCaption_;
};

} // namespace Telva27
