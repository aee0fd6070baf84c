#include "FileNumber.h"

#include "platform/RuntimeError.h"

#include <bitset>

namespace Ostrel7 {

namespace {

constexpr int32_t kHighest = 255;

std::bitset<kHighest + 1>& taken()
{
    static std::bitset<kHighest + 1> numbers;
    return numbers;
}

} // namespace

FileNumber::FileNumber()
    : number_(0)
{
    for (int32_t n = 1; n <= kHighest; ++n) {
        if (!taken()[n]) {
            taken()[n] = true;
            number_ = n;
            return;
        }
    }
    throw platform::RuntimeError(platform::errTooManyFiles);
}

FileNumber::~FileNumber() { taken()[number_] = false; }

bool FileNumber::inUse(int32_t number) { return number >= 1 && number <= kHighest && taken()[number]; }

} // namespace Ostrel7
