// fStep: cut, copy and paste of cell blocks and whole step rows through the
// desktop's clipboard, as text in a form of the program's own: the mode
// ("0" a block, "1" whole rows), the title of the first column, then one
// line per row with its REM mark and its cell texts.

#include "fStep.h"

#include "mMOD.h"

#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "stepeditor/grid/StepColumns.h"
#include "util/method/Trap.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScopeGuard>

#include <algorithm>
#include <array>
#include <vector>

namespace QelmStp {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QChar kFieldBreak = QLatin1Char('\t');
const QString kRem = QStringLiteral("REM");
const QString kNotRem = QStringLiteral("NOTREM");

constexpr int16_t kKindExclamation = 2;
constexpr int16_t kMsgNotPastable = 58;
constexpr int16_t kMsgWrongColumn = 71;

// The header lines before the row lines.
constexpr int kHeaderLines = 2;

constexpr int eBlock = 0;
constexpr int eWholeRows = 1;
constexpr int eNoMode = -1;

// The mode a clipboard text's first line stands for: the number it begins
// with (none counts as a block), or eNoMode for any other number.
int modeOf(const QString& firstLine)
{
    double value = -1;
    try {
        value = platform::Val(firstLine);
    } catch (const platform::RuntimeError&) {
        return eNoMode; // a number too large for any mode
    }
    if (value == eBlock)
        return eBlock;
    if (value == eWholeRows)
        return eWholeRows;
    return eNoMode;
}

// One row line of a paste, ready to be written.
struct PastedRow {
    int32_t row = 0;
    bool rem = false;
    QStringList texts;   // the texts from the first target column on
    StepRowTexts result; // the whole row as the paste leaves it
};

} // namespace

void fStep::CopyRowToBuf(int32_t row1, int32_t row2, int32_t col1, int32_t col2, int32_t wholeRows)
{
    Ostrel7::trapped(reporter_, QStringLiteral("CopyRowToBuf"), [&] {
        const platform::grid::GridData& g = fg_->data();
        const int32_t top = std::min(row1, row2), bottom = std::max(row1, row2);
        const int32_t left = std::min(col1, col2), right = std::max(col1, col2);
        QString text = QString::number(wholeRows) + kLineBreak + g.TextMatrix(0, left) + kLineBreak;
        for (int32_t row = top; row <= bottom; ++row) {
            if (row > top)
                text += kLineBreak;
            text += IsREM(row) ? kRem : kNotRem;
            for (int32_t col = left; col <= right; ++col)
                text += kFieldBreak + g.TextMatrix(row, col);
        }
        QGuiApplication::clipboard()->setText(text);
    });
}

void fStep::PasteFromBuf(int32_t row)
{
    Ostrel7::trapped(reporter_, QStringLiteral("PasteFromBuf"), [&] {
        const QString text = QGuiApplication::clipboard()->text();
        if (!text.contains(kLineBreak)) {
            mMOD::ShowMessage(kMsgNotPastable, kKindExclamation);
            return;
        }
        const QStringList lines = text.split(kLineBreak);
        const platform::grid::GridData& g = fg_->data();
        switch (modeOf(lines.at(0))) {
        case eWholeRows: PasteRow(row, eColRemark, lines, true); break;
        case eBlock:
            // A block goes only under a column of its first column's title.
            if (g.TextMatrix(0, g.Col()) == lines.at(1))
                PasteRow(row, g.Col(), lines, false);
            else
                mMOD::ShowMessage(kMsgWrongColumn, kKindExclamation);
            break;
        default: mMOD::ShowMessage(kMsgNotPastable, kKindExclamation); break;
        }
    });
}

bool fStep::PasteRow(int32_t row, int32_t col, const QStringList& lines, bool wholeRows)
{
    return Ostrel7::trapped(
        reporter_, QStringLiteral("PasteRow"),
        [&] {
            platform::grid::GridData& g = fg_->data();
            const int32_t lastRow = g.Rows() - 1;
            const int32_t lastCol = g.Cols() - 1;
            // Every line is read and judged before the first cell is written,
            // so a refused text leaves the grid as it was.
            std::vector<PastedRow> rows;
            for (qsizetype i = kHeaderLines; i < lines.size() && row + (i - kHeaderLines) <= lastRow; ++i) {
                QStringList fields = lines.at(i).split(kFieldBreak);
                PastedRow pasted{static_cast<int32_t>(row + (i - kHeaderLines)), fields.at(0) == kRem, {}, {}};
                fields.removeFirst();
                pasted.texts = fields.mid(0, std::max(0, lastCol - col + 1));
                rows.push_back(std::move(pasted));
            }
            // Each row is judged as it will stand, with the cells the paste
            // leaves marked or freed; the first refusal stops the whole paste.
            for (PastedRow& pasted : rows) {
                StepRowTexts& texts = pasted.result;
                texts = rowTextsOf(g, pasted.row);
                std::array<bool, kStepGridCols> written{};
                for (qsizetype k = 0; k < pasted.texts.size(); ++k) {
                    const int32_t c = col + static_cast<int32_t>(k);
                    texts[static_cast<size_t>(c)] = StepCellJudge::committed(c, pasted.texts.at(k));
                    written[static_cast<size_t>(c)] = true;
                }
                cells_->judge().settleMarks(texts, written);
                const bool rem = wholeRows ? pasted.rem : IsREM(pasted.row);
                StepCellJudge::Verdict verdict = cells_->judge().judgeRow(texts, rem, StepCellJudge::Stage::Editing);
                if (!verdict && rem && texts[eColOutput].isEmpty())
                    verdict = {StepCellJudge::kMsgOutputMissed, eColOutput};
                if (verdict) {
                    CellEditing::ShowVerdict(verdict);
                    return false;
                }
            }
            const bool redraw = g.Redraw();
            g.setRedraw(false);
            const auto redrawAgain = qScopeGuard([&] { g.setRedraw(redraw); });
            for (const PastedRow& pasted : rows) {
                if (wholeRows)
                    SetREMColor(pasted.row, pasted.rem);
                writeRowTexts(g, pasted.row, pasted.result);
            }
            ControlChange(true);
            return true;
        },
        false);
}

} // namespace QelmStp
