#pragma once
// The columns of the step grid. Each column carries its kind in its ColData;
// the rules classify a column by that kind, never by its index.

#include <QString>

#include <cstdint>

namespace QelmStp {

// What a column of the step grid holds.
enum StepColumnKind : int32_t {
    eColStep = 0,   // step number (column 0, fixed)
    eColRemark = 1, // remark (column 1)
    eColOutput = 2, // output function (column 2)
    eColLogic = 3,  // logic (column 3)
    eColDelay = 4,  // delay or constant (column 4)
    eColFunc = 5,   // input function: first column of an input group
    eColState = 6,  // state: second column of an input group
    eColRel = 7,    // relation: third column of an input group
};

inline constexpr int32_t kStepRows = 192;    // one grid row per step, below the title row
inline constexpr int32_t kInputGroups = 8;   // input groups of three columns
inline constexpr int32_t kStepGridCols = 29; // the step-number column and 28 data columns
inline constexpr int32_t kStepGridRows = kStepRows + 1;

// The title text of the relation columns: the text a copied block of cells
// carries and a pasted one is matched against. The grid shows it as the
// arrowhead pointing on to the next group (StepCellPainter).
inline const QString kRelationTitle = QStringLiteral("8");

// The first column (the function) of input group 1 to 8: 5, 8, ... 26.
constexpr int32_t groupColumn(int32_t group) { return 2 + 3 * group; }

} // namespace QelmStp
