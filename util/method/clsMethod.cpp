#include "clsMethod.h"

#include "util/method/ErrorLog.h"
#include "util/method/Trap.h"
#include "util/need/xNEED.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/PrivateProfile.h"
#include "platform/Ui.h"
#include "platform/VariantText.h"

#include <QDir>

namespace Ostrel7 {

namespace {

QString crlf() { return QStringLiteral("\r\n"); }

QString notice()
{
    return xNEED::IsJapan() ? QString::fromUtf8("どうかこれを控えて報告をお願いいたします。")
                            : QStringLiteral("Please note this message and report me.");
}

// The missing-value marks of the INI default writer: a key that really holds
// one of them is taken for a missing key.
constexpr int32_t kMissingNumber = 582931;
const char* const kMissingText = "qorvatle";

bool isNumeric(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong: // currency
    case QMetaType::Float:
    case QMetaType::Double: return true;
    default: return false;
    }
}

} // namespace

void clsMethod::ErrReg(int32_t ERRCode, const QString& ErrString, const QString& ModuleName)
{
    if (ERRCode == 0)
        return;
    try {
        const QString message = ModuleName + crlf() + crlf() + ErrString + crlf() + crlf() +
                                QStringLiteral("[ErrCode] ") + QString::number(ERRCode) + crlf() + crlf() + notice();
        platform::ui().messageBox(message, platform::vbCritical | platform::vbOKOnly, QStringLiteral("ERROR"));
        const QString log = QDir(platform::folders::libraryFolder()).filePath(QStringLiteral("Err.log"));
        errorlog::append(log, errorlog::reportLine(ERRCode, platform::now(), ModuleName, ErrString));
    } catch (...) {
        // The user has seen the box; a log that can't be written must not break
        // the caller's own error handling.
    }
}

void clsMethod::RegIniDefaultKey(const QString& sSection, const QString& sKey, const QVariant& vStdValue,
                                 const QString& sFullFname)
{
    trapped(*this, QStringLiteral("RegIniDefaultKeyInt"), [&] {
        if (isNumeric(vStdValue)) {
            if (platform::profile::getInt(sSection, sKey, kMissingNumber, sFullFname) == kMissingNumber)
                platform::profile::writeString(sSection, sKey, platform::variantText(vStdValue), sFullFname);
        } else if (vStdValue.typeId() == QMetaType::QString) {
            const QString missing = QString::fromLatin1(kMissingText);
            if (platform::profile::getString(sSection, sKey, missing, 256, sFullFname) == missing)
                platform::profile::writeString(sSection, sKey, vStdValue.toString(), sFullFname);
        } else {
            platform::ui().messageBox(QStringLiteral("Unknown vartype !"), platform::vbOKOnly,
                                      xNEED::applicationTitle());
        }
    });
}

} // namespace Ostrel7
