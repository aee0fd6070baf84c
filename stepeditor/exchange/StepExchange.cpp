#include "StepExchange.h"

#include "stepeditor/cells/CellCategories.h"
#include "stepeditor/cells/StepCellJudge.h"
#include "stepeditor/grid/StepColumns.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "platform/grid/GridData.h"
#include "util/method/Trap.h"

namespace QelmStp {

using platform::grid::CellProperty;
using platform::grid::GridData;

namespace {

constexpr int32_t kRelEnd = 2;
constexpr uint32_t kNoRemColor = 0;

// A cell's number the way the step cells are read: its leading number rounded
// to a whole number; "***" and an empty cell give 0.
template <typename T>
T wholeOf(const QString& text)
{
    return platform::ValAs<T>(text);
}

} // namespace

StepExchange::StepExchange(platform::grid::FlexGrid& fg, Telva27::colclsCusSelection& stpout,
                           Telva27::colclsCusSelection& stpinp, CellCategories& cells, Ostrel7::clsMethod& reporter)
    : fg_(fg), stpout_(stpout), stpinp_(stpinp), cells_(cells), judge_(cells.judge()), reporter_(reporter),
      counters_(fg.data(), reporter)
{
}

GridData& StepExchange::grid() { return fg_.data(); }

const GridData& StepExchange::grid() const { return fg_.data(); }

void StepExchange::PasteData(const Telva27::colclsStep& program)
{
    Ostrel7::trapped(reporter_, QStringLiteral("PasteData"), [&] {
        fill(grid(), program);
        fg_.setTopRow(grid().FixedRows());
        if (ControlChange)
            ControlChange(false);
    });
}

void StepExchange::PasteInto(GridData& target, const Telva27::colclsStep& program)
{
    Ostrel7::trapped(reporter_, QStringLiteral("PasteData"), [&] { fill(target, program); });
}

void StepExchange::fill(GridData& target, const Telva27::colclsStep& program)
{
    clearTexts(target);
    clearRems(target);
    for (const auto& line : program) {
        // A line under a number the grid has no row for can't be shown;
        // the lines after it still are.
        if (line->Row() < 1 || line->Row() >= target.Rows())
            continue;
        if (!line->NOP())
            fillLine(target, *line);
        target.setTextMatrix(line->Row(), eColRemark, line->Remark());
    }
}

void StepExchange::PasteThisData(const Telva27::clsStepOut& line) { fillLine(grid(), line); }

void StepExchange::fillLine(GridData& target, const Telva27::clsStepOut& line)
{
    Ostrel7::trapped(reporter_, QStringLiteral("PasteThisData"), [&] {
        const int32_t row = line.Row();
        setRem(target, row, line.DoesREM());
        target.setTextMatrix(row, eColOutput, stpout_.Item(QString::number(line.Kino()))->Ditigal());
        target.setTextMatrix(row, eColLogic, QString::number(line.Logic()));
        target.setTextMatrix(row, eColDelay, QString::number(line.DelayEtc()));
        if (target.TextMatrix(row, eColOutput) != QLatin1String("RET"))
            pasteInputs(target, line);
        cells_.SprashThisRow(target, row);
    });
}

void StepExchange::pasteInputs(GridData& target, const Telva27::clsStepOut& line)
{
    const int32_t row = line.Row();
    const auto ins = line.ins();
    const int32_t counterId = ins->CounterId();
    const bool counterRow = counterId != -1;
    for (const auto& in : *ins) {
        const int32_t col = groupColumn(in->block());
        if (counterRow && counters_.MustJyosu(counterId, in->block()))
            target.setTextMatrix(row, col, QString::number(static_cast<uint16_t>(in->Kino())));
        else
            target.setTextMatrix(row, col, stpinp_.Item(QString::number(in->Kino()))->Ditigal());
        target.setTextMatrix(row, col + 1, QString::number(in->Jyotai()));
        target.setTextMatrix(row, col + 2, QString::number(in->Rel()));
        if (in->Rel() == kRelEnd)
            break;
    }
}

void StepExchange::ClearAll()
{
    clearTexts(grid());
    ClearAllRem();
}

void StepExchange::ClearAllRem()
{
    Ostrel7::trapped(reporter_, QStringLiteral("ClearAllRem"), [&] { clearRems(grid()); });
}

void StepExchange::clearTexts(GridData& target)
{
    target.setCell(CellProperty::Text, 1, 1, target.Rows() - 1, target.Cols() - 1, QString());
}

void StepExchange::clearRems(GridData& target)
{
    for (int32_t row = target.FixedRows(); row < target.Rows(); ++row)
        setRem(target, row, false);
}

void StepExchange::SetREMColor(int32_t row, bool rem) { setRem(grid(), row, rem); }

void StepExchange::setRem(GridData& target, int32_t row, bool rem)
{
    target.setCell(CellProperty::ForeColor, row, eColStep, rem ? kRemColor : kNoRemColor);
}

bool StepExchange::IsREM(int32_t row) const { return grid().CellForeColor(row, eColStep) == kRemColor; }

bool StepExchange::Update_step(std::shared_ptr<Telva27::colclsStep>& program)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("Update_step"), [&] {
        // Built aside and installed only when every row converted, so that a
        // failed conversion leaves the window's program, memo and counter data whole.
        auto fresh = std::make_shared<Telva27::colclsStep>();
        const auto vacant = GetCacantStepIn();
        if (!vacant)
            return false;
        for (int32_t row = 1; row <= kStepRows; ++row) {
            // Only a row the next open shows as it stands is converted; the
            // first cell that is not becomes the current cell.
            const StepCellJudge::Verdict verdict =
                judge_.judgeRow(rowTextsOf(grid(), row), IsREM(row), StepCellJudge::Stage::Saving);
            if (verdict) {
                grid().Select(row, verdict.col);
                fg_.ShowCell(row, verdict.col);
                return false;
            }
            if (ExistsValidRow(row)) {
                if (!AddValidRow(row, *fresh))
                    return false;
            } else if (!fresh->Add(row, 0, 0, 0, vacant, grid().TextMatrix(row, eColRemark), true, false)) {
                return false;
            }
        }
        if (program) {
            fresh->setMemo(program->Memo());
            fresh->setPassword(program->Password());
            fresh->setAuthor(program->Author());
            fresh->setArCountBytes(program->arCountBytes());
            fresh->setArCountCaption(program->arCountCaption());
            fresh->setArLcdCaption(program->arLcdCaption());
        }
        program = std::move(fresh);
        return true;
    });
}

bool StepExchange::ExistsValidRow(int32_t row)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ExistsValidRow"),
                            [&] { return !grid().TextMatrix(row, eColOutput).isEmpty(); });
}

int32_t StepExchange::inputCodeOf(const QString& text)
{
    const int32_t listed = stpinp_.ValueByDigital(text);
    if (listed != -1)
        return listed;
    if (!platform::IsNumeric(text))
        return 0;
    // A constant: the grid shows its 16 bits unsigned, the program keeps them signed.
    const auto number = platform::toWhole<int32_t>(platform::NumberOf(text));
    return number >= 32768 && number <= 65535 ? number - 65536 : number;
}

bool StepExchange::AddValidRow(int32_t row, Telva27::colclsStep& into)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("AddValidRow"), [&] {
        auto ins = std::make_shared<Telva27::colclsStepIn>();
        if (cells_.TopIsCOUNT(row))
            ins->setCounterId(GetCounterId(row));
        for (int32_t col = groupColumn(1); col <= grid().Cols() - 1; col += 3) {
            const int32_t kino = inputCodeOf(grid().TextMatrix(row, col));
            const auto jyotai = wholeOf<uint8_t>(grid().TextMatrix(row, col + 1));
            const auto rel = wholeOf<int32_t>(grid().TextMatrix(row, col + 2));
            if (!ins->Add(col / 3, kino, jyotai, rel))
                return false;
        }
        const int32_t kino = stpout_.ValueByDigital(grid().TextMatrix(row, eColOutput));
        const auto logic = wholeOf<int32_t>(grid().TextMatrix(row, eColLogic));
        const auto delay = wholeOf<int32_t>(grid().TextMatrix(row, eColDelay));
        return into.Add(row, kino, logic, delay, ins, grid().TextMatrix(row, eColRemark), false, IsREM(row)) !=
               nullptr;
    });
}

std::shared_ptr<Telva27::colclsStepIn> StepExchange::GetCacantStepIn()
{
    return Ostrel7::trapped(reporter_, QStringLiteral("GetCacantStepIn"), [&] {
        auto ins = std::make_shared<Telva27::colclsStepIn>();
        for (int32_t block = 1; block <= kInputGroups; ++block)
            ins->Add(block, 0, 0, 0);
        return ins;
    });
}

int32_t StepExchange::GetCounterId(int32_t row) { return counters_.GetCounterId(row); }

} // namespace QelmStp
