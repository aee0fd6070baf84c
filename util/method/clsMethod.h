#pragma once
// Drawing and control helpers of the utility library, and the one error report
// every deliverable uses: ErrReg shows the error and appends it to Err.log.

#include <QString>
#include <QVariant>
#include <cstdint>

namespace Ostrel7 {

class clsMethod {
public:
    // Writes vStdValue under the key of the INI file when the key is missing;
    // numbers and texts only (anything else shows "Unknown vartype !").
    void RegIniDefaultKey(const QString& sSection, const QString& sKey, const QVariant& vStdValue,
                          const QString& sFullFname);

    // Shows the error (critical box titled "ERROR") and appends one line to
    // Err.log in the library folder. Code 0 does nothing. Never throws: a log
    // that cannot be written is skipped after the box was shown.
    void ErrReg(int32_t ERRCode, const QString& ErrString, const QString& ModuleName);
};

} // namespace Ostrel7
