#include "CounterRows.h"

#include "stepeditor/grid/StepColumns.h"

#include "platform/Val.h"
#include "platform/grid/GridData.h"
#include "util/method/Trap.h"

#include <QString>
#include <array>

namespace QelmStp {

namespace {

// One character per group in use, "1" for a constant, "0" for a counter;
// group 1 is always a counter. The position in the table is the counter id.
const std::array<QLatin1String, 6> kPatterns = {
    QLatin1String("01"),  // counter op constant
    QLatin1String("00"),  // counter op counter
    QLatin1String("011"), // counter +/- constant op constant
    QLatin1String("001"), // counter +/- counter op constant
    QLatin1String("010"), // counter +/- constant op counter
    QLatin1String("000"), // counter +/- counter op counter
};

QChar flagOf(const QString& text) { return platform::IsNumeric(text) ? u'1' : u'0'; }

} // namespace

CounterRows::CounterRows(const platform::grid::GridData& grid, Ostrel7::clsMethod& reporter)
    : grid_(grid), reporter_(reporter)
{
}

int32_t CounterRows::GetCounterId(int32_t row)
{
    return Ostrel7::trapped(
        reporter_, QStringLiteral("GetCounterId"),
        [&] {
            QString pattern = QStringLiteral("0");
            pattern += flagOf(grid_.TextMatrix(row, groupColumn(2)));
            const QString third = grid_.TextMatrix(row, groupColumn(3));
            if (!third.isEmpty())
                pattern += flagOf(third);
            for (size_t id = 0; id < kPatterns.size(); ++id) {
                if (pattern == kPatterns[id])
                    return static_cast<int32_t>(id);
            }
            return int32_t{-1};
        },
        int32_t{-1});
}

bool CounterRows::MustJyosu(int32_t counterId, int32_t group)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("MustJyosu"), [&] {
        if (counterId < 0 || counterId >= static_cast<int32_t>(kPatterns.size()))
            return false;
        const QLatin1String pattern = kPatterns[static_cast<size_t>(counterId)];
        return group >= 1 && group <= pattern.size() && pattern[group - 1] == u'1';
    });
}

} // namespace QelmStp
