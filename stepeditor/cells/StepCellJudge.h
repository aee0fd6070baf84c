#pragma once
// The one judge of a step cell in the context of its row. Typing, a list
// choice, a paste, a replace, a change of output, the row commands and the
// save all ask it whether a text may stand in a cell, so a cell holds only
// what the step file can keep and the next open shows again as it stands.
//
// It works on the texts of a row, without the grid: a caller judges a row as
// it will stand after its change, before writing anything.

#include "stepeditor/grid/StepColumns.h"

#include <QString>
#include <QVariant>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace Telva27 {
class colclsCusSelection;
}
namespace platform::grid {
class GridData;
}

namespace QelmStp {

// The texts of one step row, by grid column (column 0, the step number, unused).
using StepRowTexts = std::array<QString, kStepGridCols>;

// The texts a grid row holds, and writing them back (only the cells that differ).
StepRowTexts rowTextsOf(const platform::grid::GridData& grid, int32_t row);
void writeRowTexts(platform::grid::GridData& grid, int32_t row, const StepRowTexts& texts);

class StepCellJudge {
public:
    // Why a cell may not stand: the message with the values it names, and
    // the cell; message 0 when it may.
    struct Verdict {
        Verdict() = default;
        Verdict(int16_t message_, int32_t col_ = -1, std::optional<QVariant> x1_ = std::nullopt,
                std::optional<QVariant> x2_ = std::nullopt)
            : message(message_), col(col_), x1(std::move(x1_)), x2(std::move(x2_))
        {
        }
        int16_t message = 0;
        int32_t col = -1;
        std::optional<QVariant> x1;
        std::optional<QVariant> x2;
        explicit operator bool() const { return message != 0; }
    };

    // Message 81 for the cell, with the constants a counter compares with.
    static Verdict counterOrNumber(int32_t col);

    // While editing a row may still be incomplete; a saved row must be whole.
    enum class Stage { Editing, Saving };

    // The messages the judge gives.
    static constexpr int16_t kMsgCannotEdit = 42;
    static constexpr int16_t kMsgOutOfRange = 43;
    static constexpr int16_t kMsgInputFirst = 46;
    static constexpr int16_t kMsgNotNumeric = 48;
    static constexpr int16_t kMsgMustBeEnd = 49;
    static constexpr int16_t kMsgEndMissed = 52;
    static constexpr int16_t kMsgRemarkTooLong = 56;
    static constexpr int16_t kMsgLogicOrDelayMissed = 64;
    static constexpr int16_t kMsgNoSuchValue = 67;
    static constexpr int16_t kMsgOutputMissed = 76;
    static constexpr int16_t kMsgCounterOrNumber = 81;
    static constexpr int16_t kMsgTopMustBeCount = 87;
    static constexpr int16_t kMsgMustBeVacant = 89;

    // The longest remark, in bytes of the file's code page.
    static constexpr int kRemarkBytes = 20;
    // The delay a pulse output (X_PLS, Y_PLS) takes, and any other output.
    static constexpr int32_t kPulseMin = -30000;
    static constexpr int32_t kPulseMax = 30000;
    static constexpr int32_t kDelayMin = 0;
    static constexpr int32_t kDelayMax = 65000;
    // What the file's 16 bits keep: signed for a pulse output, else unsigned.
    static constexpr int32_t kStoredSignedMin = -32768;
    static constexpr int32_t kStoredSignedMax = 32767;
    static constexpr int32_t kStoredUnsignedMax = 65535;

    // title gives a column's title, named by message 46.
    StepCellJudge(Telva27::colclsCusSelection& stpout, Telva27::colclsCusSelection& stpinp,
                  std::function<QString(int32_t col)> title);

    // Whether the text in `col` may stand in the row as the row stands; an
    // empty cell is always taken while editing. A number is held to the range
    // typing takes while editing, and to the range the file keeps when
    // saving (a file may hold a delay or constant typing would refuse).
    Verdict judgeCell(const StepRowTexts& row, int32_t col, Stage stage = Stage::Editing) const;
    // The first cell of the row that may not stand as it is, left to right;
    // when saving, also a cell the row still lacks (END, logic, delay, an
    // output for its other cells or its REM mark).
    Verdict judgeRow(const StepRowTexts& row, bool rem, Stage stage) const;

    // The cell takes no value in its row and shows the unused mark.
    bool isUnused(const StepRowTexts& row, int32_t col) const;
    // The row keeps nothing in this input cell, so an edit may not start
    // there: an input group of a return line, or one after an ordinary
    // row's first END (the file keeps the conditions up to it).
    bool keepsNothingIn(const StepRowTexts& row, int32_t col) const;
    // Writes the unused mark into every unused cell of the row.
    void markUnused(StepRowTexts& row) const;
    // After a change wrote the columns `written` holds: the cells it left or
    // emptied that the row no longer uses take the mark, and those it left
    // that hold the mark but are used again are emptied. Cells it wrote a
    // text into are left to the judge, which refuses a value in an unused cell.
    void settleMarks(StepRowTexts& row, const std::array<bool, kStepGridCols>& written) const;
    // The text a cell shows once committed: a function name in upper case,
    // a number of the delay or a counter constant as the whole number the
    // file keeps (surrounding blanks and leading zeros gone, halves to even);
    // any other text as it is.
    static QString committed(int32_t col, const QString& text);

    // The row's first input function is a counter.
    bool isCounterRow(const StepRowTexts& row) const;

private:
    QString outCategory(const StepRowTexts& row) const;
    QString inpCategory(const QString& text) const;
    Verdict judgeLogic(const StepRowTexts& row) const;
    Verdict judgeDelay(const StepRowTexts& row, Stage stage) const;
    Verdict judgeInput(const StepRowTexts& row, int32_t col, Stage stage) const;
    Verdict judgeCounterInput(const StepRowTexts& row, int32_t col, Stage stage) const;
    Verdict judgeOrdinaryInput(const StepRowTexts& row, int32_t col) const;
    Verdict missing(const StepRowTexts& row, bool rem) const;
    Verdict missingInputs(const StepRowTexts& row) const;
    Verdict missingCounterInputs(const StepRowTexts& row) const;
    Verdict inputFirst(int32_t col, int32_t titleCol) const;
    // The group whose relation is the row's first END, kInputGroups + 1 when none.
    static int32_t firstEndGroup(const StepRowTexts& row);

    Telva27::colclsCusSelection& stpout_;
    Telva27::colclsCusSelection& stpinp_;
    std::function<QString(int32_t col)> title_;
};

} // namespace QelmStp
