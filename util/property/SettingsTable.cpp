#include "SettingsTable.h"

#include "clsProperty.h"
#include "platform/RuntimeError.h"
#include "platform/Settings.h"
#include "platform/Trim.h"
#include "platform/Val.h"
#include "platform/VariantText.h"

#include <cmath>

namespace Ostrel7 {

namespace {

// The text-to-Boolean conversion of stored values: "True" and "False" in any
// letter case, or a number, which is True unless it is 0.
bool booleanOf(const QString& text)
{
    const QString word = platform::Trim(text);
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return platform::NumberOf(word) != 0;
}

// A number given as a number, a Boolean (True is -1) or a text.
double numberOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? -1.0 : 0.0;
    case QMetaType::QString: return platform::NumberOf(value.toString());
    default: break;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw platform::RuntimeError(platform::errTypeMismatch);
    return number;
}

// The value as the type holds it. Throws RuntimeError(13) when it does not
// convert, RuntimeError(6) for a whole number beyond 32 bits.
QVariant converted(const QVariant& value, SettingType type)
{
    switch (type) {
    case SettingType::Text: return platform::variantText(value);
    case SettingType::Bool:
        return value.typeId() == QMetaType::Bool ? value.toBool() : booleanOf(platform::variantText(value));
    case SettingType::Int: return platform::toWhole<int32_t>(numberOf(value));
    case SettingType::Double: return numberOf(value);
    }
    throw platform::RuntimeError(platform::errTypeMismatch);
}

QLatin1String latin1(const char* name) { return name ? QLatin1String(name) : QLatin1String(); }

bool sameName(const char* a, const char* b) { return latin1(a).compare(latin1(b), Qt::CaseInsensitive) == 0; }

// The same application (none meaning the table's), section and key.
bool sameSetting(const SettingName& a, const SettingName& b)
{
    return sameName(a.app, b.app) && sameName(a.section, b.section) && sameName(a.key, b.key);
}

} // namespace

SettingsTable::SettingsTable(QString app, QList<SettingDecl> settings)
    : app_(std::move(app)), settings_(std::move(settings))
{
    for (qsizetype i = 0; i < settings_.size(); ++i) {
        SettingDecl& decl = settings_[i];
        for (qsizetype j = 0; j < i; ++j)
            if (sameSetting(settings_[j].name, decl.name))
                throw platform::RuntimeError(platform::errInvalidCall);
        decl.defaultValue = converted(decl.defaultValue, decl.type);
    }
}

bool SettingsTable::writeMissingDefaults(clsProperty& property, const SettingDecl** failed) const
{
    for (const SettingDecl& decl : settings_) {
        if (decl.name.app)
            continue; // published by its program when it starts
        if (!property.RegDefaultKey(app_, latin1(decl.name.section), QString(latin1(decl.name.key)), decl.defaultValue)) {
            if (failed)
                *failed = &decl;
            return false;
        }
    }
    return true;
}

QString SettingsTable::readText(const SettingName& name) const
{
    return read(name, SettingType::Text).toString();
}

bool SettingsTable::readBool(const SettingName& name) const
{
    return read(name, SettingType::Bool).toBool();
}

int32_t SettingsTable::readInt(const SettingName& name) const
{
    return read(name, SettingType::Int).toInt();
}

double SettingsTable::readDouble(const SettingName& name) const
{
    return read(name, SettingType::Double).toDouble();
}

void SettingsTable::write(const SettingName& name, const QVariant& value) const
{
    const SettingDecl& decl = declaration(name, std::nullopt);
    platform::settings::write(appOf(decl), latin1(decl.name.section), latin1(decl.name.key),
                              platform::variantText(converted(value, decl.type)));
}

void SettingsTable::resetToDefaults() const
{
    platform::settings::clear(app_);
    for (const SettingDecl& decl : settings_)
        if (!decl.name.app)
            platform::settings::write(app_, latin1(decl.name.section), latin1(decl.name.key),
                                      platform::variantText(decl.defaultValue));
}

QString SettingsTable::appOf(const SettingDecl& decl) const
{
    return decl.name.app ? QString(latin1(decl.name.app)) : app_;
}

const SettingDecl& SettingsTable::declaration(const SettingName& name, std::optional<SettingType> type) const
{
    for (const SettingDecl& decl : settings_) {
        if (!sameSetting(decl.name, name))
            continue;
        if (type && decl.type != *type)
            throw platform::RuntimeError(platform::errTypeMismatch);
        return decl;
    }
    throw platform::RuntimeError(platform::errInvalidCall);
}

QVariant SettingsTable::read(const SettingName& name, SettingType type) const
{
    const SettingDecl& decl = declaration(name, type);
    if (const std::optional<QString> stored =
            platform::settings::read(appOf(decl), latin1(decl.name.section), latin1(decl.name.key)))
        // A value that is no longer of its type reads as the default.
        return convertedStored(*stored, type).value_or(decl.defaultValue);
    return decl.defaultValue;
}

bool SettingsTable::storedValueConverts(const SettingName& name) const
{
    const SettingDecl& decl = declaration(name, std::nullopt);
    const std::optional<QString> stored =
        platform::settings::read(appOf(decl), latin1(decl.name.section), latin1(decl.name.key));
    return !stored || convertedStored(*stored, decl.type).has_value();
}

bool SettingsTable::everyStoredValueConverts() const
{
    bool all = true;
    for (const SettingDecl& decl : settings_)
        if (!decl.name.app)
            all = storedValueConverts(decl.name) && all;
    return all;
}

std::optional<QVariant> SettingsTable::convertedStored(const QString& stored, SettingType type)
{
    try {
        return converted(stored, type);
    } catch (const platform::RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace Ostrel7
