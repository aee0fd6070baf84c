#pragma once
// The texts of a step grid whose every step uses every column (an output, a
// logic and delay, eight inputs), and the plain QTableWidget of the same texts
// and column widths that the benchmarks of the step window compete with.

#include "platform/Twips.h"
#include "platform/grid/GridData.h"

#include <QHeaderView>
#include <QString>
#include <QTableWidget>

#include <memory>

namespace benchsupport {

inline constexpr int kStepGridRows = 193;
inline constexpr int kStepGridCols = 29;

inline QString stepGridText(int row, int col)
{
    if (col == 0)
        return QString::number(row);
    if (col == 1)
        return row % 3 == 0 ? QStringLiteral("押え下降 %1").arg(row) : QStringLiteral("Clamp down %1").arg(row);
    if (col == 2)
        return row % 2 ? QStringLiteral("CLAMP_ON") : QStringLiteral("BUZZER");
    if (col == 3)
        return QString::number(row % 3);
    if (col == 4)
        return QString::number(row * 10);
    switch ((col - 5) % 3) {
    case 0: return col % 2 ? QStringLiteral("SEWING") : QStringLiteral("X%1").arg(row % 9);
    case 1: return QString::number((row + col) % 4);
    default: return col == 28 ? QStringLiteral("2") : QString::number((row + col) % 2);
    }
}

// The step rows and data columns (no step-number column) in a plain table of the window's size.
inline std::unique_ptr<QTableWidget> plainStepTable(QSize window)
{
    auto table = std::make_unique<QTableWidget>(kStepGridRows - 1, kStepGridCols - 1);
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(
        platform::twipsToPixels(platform::grid::GridData::kDefaultRowHeight));
    static const int widths[] = {555, 1200, 700, 735, 700, 670, 465, 250};
    for (int c = 1; c < kStepGridCols; ++c)
        table->horizontalHeader()->resizeSection(c - 1, platform::twipsToPixels(widths[c < 5 ? c : 5 + (c - 5) % 3]));
    for (int r = 1; r < kStepGridRows; ++r)
        for (int c = 1; c < kStepGridCols; ++c)
            table->setItem(r - 1, c - 1, new QTableWidgetItem(stepGridText(r, c)));
    table->resize(window);
    return table;
}

} // namespace benchsupport
