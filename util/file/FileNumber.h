#pragma once
// The library's table of open-file numbers 1-255. Members that read or write
// a file directly hold a number for as long as the file is open, always the
// lowest free one; IsFileAitaMaMa asks whether number 1 is taken.

#include <cstdint>

namespace Ostrel7 {

class FileNumber {
public:
    // Takes the lowest free number; RuntimeError 67 (too many files) when all are taken.
    FileNumber();
    ~FileNumber();
    FileNumber(const FileNumber&) = delete;
    FileNumber& operator=(const FileNumber&) = delete;

    int32_t number() const { return number_; }

    static bool inUse(int32_t number);

private:
    int32_t number_;
};

} // namespace Ostrel7
