#pragma once
// System, window, settings and INI queries of the utility library.

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>

namespace Ostrel7 {

class clsMethod;

class clsProperty {
public:
    clsProperty();
    ~clsProperty();
    clsProperty(const clsProperty&) = delete;
    clsProperty& operator=(const clsProperty&) = delete;

    // The English name of the system locale's country.
    QString Lang();

    // True when the per-user setting holds a non-empty text.
    bool ExistsRegEntry(const QString& AppName, const QString& SECTION, const QString& KEY);
    // Writes Value as text where the setting is missing or empty; True when done
    // (written or not), False after a reported failure.
    bool RegDefaultKey(const QString& AppName, const QString& SECTION, const QVariant& KEY, const QVariant& Value);

    // INI values at a path the caller gives.
    int32_t GetProfileValueInt(const QString& sSection, const QString& sKey, const QString& sFullFname);
    QString GetProfileValueString(const QString& sSection, const QString& sKey, const QString& sFullFname);
    bool WriteProfileValue(const QString& sSection, const QString& sKey, const QVariant& vValue,
                           const QString& sFullFname);

private:
    clsMethod& method();
    std::unique_ptr<clsMethod> method_;
};

} // namespace Ostrel7
