#pragma once
// How a step table keeps its lines: plain records, the eight input conditions
// of a line inline in it, so that a whole table is one block of memory that a
// read fills and a save walks without an object per line or condition.
// clsStepOut, colclsStepIn and clsStepIn are views over these records.

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace Telva27 {

class colclsStepIn;

// One input condition.
struct StepCondition {
    int32_t block = 0;
    int32_t kino = 0;
    int32_t rel = 0;
    uint8_t jyotai = 0;
};

// The conditions of a line as the step file holds them: at most eight, in order.
struct StepConditions {
    std::array<StepCondition, 8> items{};
    uint8_t count = 0;
    int32_t counterId = -1;
};

// One step line.
struct StepLine {
    int32_t row = 0;
    int16_t kino = 0;
    int32_t logic = 0;
    int32_t delayEtc = 0;
    QString remark;
    bool nop = false;
    bool doesRem = false;
    // The conditions are kept inline until the line is given a condition list
    // or hands one out (clsStepOut::ins); from then on that list holds them
    // and the inline ones are empty.
    StepConditions conditions;
    std::shared_ptr<colclsStepIn> ins;
};

// The number a collection key stands for: the key of a line or condition is
// the decimal text of its number, so only that exact text ("7", "-3"; not
// "07", "+7" or " 7") finds it.
inline std::optional<int32_t> numberOfKey(const QString& key)
{
    const qsizetype size = key.size();
    const bool negative = size > 0 && key[0] == QLatin1Char('-');
    const qsizetype first = negative ? 1 : 0;
    if (size == first || size - first > 10 || (key[first] == QLatin1Char('0') && (size - first > 1 || negative)))
        return std::nullopt;
    int64_t value = 0;
    for (qsizetype i = first; i < size; ++i) {
        const char16_t c = key[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

} // namespace Telva27
