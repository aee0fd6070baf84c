#pragma once
// A laid-out step grid on its own, with small step output and input lists,
// for the rules of the grid's cells.

#include "ScriptedUi.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "platform/grid/FlexGrid.h"
#include "stepeditor/grid/StepGridLayout.h"
#include "util/method/clsMethod.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace steptest {

// One cell's text: column and text.
using CellText = std::pair<int, const char*>;

class StepCellFixture : public testing::Test {
protected:
    void SetUp() override
    {
        QelmStp::StepGridLayout(fg.data(), reporter).Format_fg(true, 1200);
        const struct {
            const char* name;
            int value;
            const char* category;
        } outputs[] = {
            {"Y1", 10, "OUT"},  {"Y2", 11, "OUT"},      {"M1", 12, "RGST"},   {"X_PLS", 13, "OUT"},
            {"JMP", 20, "JMP"}, {"CALL", 21, "CALL"},   {"RET", 22, "RETURN"}, {"CNT1", 30, "COUNT"},
            {"FREE", 40, ""},
        },
          inputs[] = {
              {"X1", 1, "IN"}, {"X2", 2, "IN"}, {"C1", 50, "COUNT"}, {"C2", 51, "COUNT"}, {"S5", 60, "STEP"},
          };
        for (const auto& o : outputs)
            stpout.Add(QLatin1String(o.name), o.value, QString(), QLatin1String(o.category));
        for (const auto& i : inputs)
            stpinp.Add(QLatin1String(i.name), i.value, QString(), QLatin1String(i.category));
        testsupport::scriptedUi().clearCalls();
    }

    platform::grid::GridData& grid() { return fg.data(); }

    // Empties the row's data cells and fills the cells given.
    void fillRow(int row, std::initializer_list<CellText> cells)
    {
        for (int col = 1; col < grid().Cols(); ++col)
            grid().setTextMatrix(row, col, QString());
        for (const auto& [col, text] : cells)
            grid().setTextMatrix(row, col, QLatin1String(text));
    }

    // The texts of the message boxes shown since the last call.
    QStringList takeMessages()
    {
        return testsupport::scriptedUi().takeMessageTexts();
    }

    Ostrel7::clsMethod reporter;
    platform::grid::FlexGrid fg;
    Telva27::colclsCusSelection stpout;
    Telva27::colclsCusSelection stpinp;
};

} // namespace steptest
