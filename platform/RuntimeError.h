#pragma once
// The one error type of the suite. It carries the runtime error number and the
// standard text the forms runtime gave that number, so that trapped members can
// report exactly what a user of the original tools would have seen.

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace platform {

// Numbers the suite raises or reports.
enum RuntimeErrorNumber : int32_t {
    errInvalidCall = 5,
    errOverflow = 6,
    errOutOfMemory = 7,
    errSubscript = 9,
    errDivisionByZero = 11,
    errTypeMismatch = 13,
    errInternal = 51,
    errBadFileNameOrNumber = 52,
    errFileNotFound = 53,
    errBadFileMode = 54,
    errFileAlreadyOpen = 55,
    errDeviceIO = 57,
    errFileExists = 58,
    errBadRecordLength = 59,
    errDiskFull = 61,
    errInputPastEnd = 62,
    errBadRecordNumber = 63,
    errTooManyFiles = 67,
    errDeviceUnavailable = 68,
    errPermissionDenied = 70,
    errDiskNotReady = 71,
    errPathFileAccess = 75,
    errPathNotFound = 76,
    errObjectNotSet = 91,
    errInvalidUseOfNull = 94,
    errInvalidFileFormat = 321,
    errResourceNotFound = 326,
    errInvalidPropertyValue = 380,
    errMethodNotSupported = 438,
    errDuplicateKey = 457,
    errApplicationDefined = 1004,
};

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int32_t number);
    RuntimeError(int32_t number, const QString& description);

    int32_t number() const { return number_; }
    const QString& description() const { return description_; }

    // The runtime's standard message for an error number
    // ("Application-defined or object-defined error" for numbers it does not know).
    static QString standardText(int32_t number);

private:
    int32_t number_;
    QString description_;
};

// Number and text of the exception being handled; call only inside a catch block.
// Foreign exceptions are mapped to the nearest runtime error so a trap can report them.
struct ErrorInfo {
    int32_t number;
    QString description;
};
ErrorInfo currentErrorInfo();

} // namespace platform
