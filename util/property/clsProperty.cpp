#include "clsProperty.h"

#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/need/xNEED.h"
#include "platform/PrivateProfile.h"
#include "platform/Settings.h"
#include "platform/VariantText.h"

namespace Ostrel7 {

namespace {

// Defaults of the INI readers: a missing key or file reads as these.
constexpr int32_t kMissingProfileInt = 582931;
const char* const kMissingProfileText = "????????";
constexpr int kProfileBufferChars = 2560;

} // namespace

clsProperty::clsProperty() = default;
clsProperty::~clsProperty() = default;

clsMethod& clsProperty::method()
{
    if (!method_)
        method_ = std::make_unique<clsMethod>();
    return *method_;
}

QString clsProperty::Lang() { return xNEED::Language(); }

bool clsProperty::ExistsRegEntry(const QString& AppName, const QString& SECTION, const QString& KEY)
{
    return platform::settings::read(AppName, SECTION, KEY).has_value();
}

bool clsProperty::RegDefaultKey(const QString& AppName, const QString& SECTION, const QVariant& KEY,
                                const QVariant& Value)
{
    return trapped(method(), QStringLiteral("RegDefaultKey"), [&] {
        const QString key = platform::variantText(KEY);
        if (!ExistsRegEntry(AppName, SECTION, key))
            platform::settings::write(AppName, SECTION, key, platform::variantText(Value));
        return true;
    });
}

int32_t clsProperty::GetProfileValueInt(const QString& sSection, const QString& sKey, const QString& sFullFname)
{
    return trapped(method(), QStringLiteral("GetProfileValueIni"), [&] {
        return platform::profile::getInt(sSection, sKey, kMissingProfileInt, sFullFname);
    });
}

QString clsProperty::GetProfileValueString(const QString& sSection, const QString& sKey, const QString& sFullFname)
{
    return trapped(method(), QStringLiteral("GetProfileValueString"), [&] {
        return platform::profile::getString(sSection, sKey, QString::fromLatin1(kMissingProfileText),
                                            kProfileBufferChars, sFullFname);
    });
}

bool clsProperty::WriteProfileValue(const QString& sSection, const QString& sKey, const QVariant& vValue,
                                    const QString& sFullFname)
{
    return trapped(method(), QStringLiteral("WriteProfileValue"), [&] {
        return platform::profile::writeString(sSection, sKey, platform::variantText(vValue), sFullFname);
    });
}

} // namespace Ostrel7
