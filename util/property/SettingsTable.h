#pragma once
// The per-user settings of one application, declared once as a table: each
// entry names its section and key, the default that start-up writes where the
// value is missing, and the type the value is read as. Values are kept as text
// (Booleans "True"/"False", numbers in invariant decimal); a value that is
// missing, empty or does not convert to its type reads as its default.

#include <QList>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace Ostrel7 {

class clsProperty;

enum class SettingType { Text, Bool, Int, Double };

// A setting's name: its section and key as stored. Each deliverable names its
// settings once, as constants declared with its table, and reads and writes
// through those constants, so a misspelt name does not compile. `app` is none
// (nullptr) for a setting of the table's application; a setting published under a fixed
// application name, whatever the executable is called, names that application.
// The names are Latin-1 literals.
struct SettingName {
    const char* section;
    const char* key;
    const char* app = nullptr;
};

// One setting. Int is a 32-bit whole number. The default is any value that
// converts to the type (true, 1900, "4829", a folder path).
struct SettingDecl {
    SettingName name;
    QVariant defaultValue;
    SettingType type = SettingType::Text;
};

class SettingsTable {
public:
    // Throws RuntimeError(13) for a default that does not convert to its type
    // and RuntimeError(5) for a setting declared twice (application, section
    // and key compared without regard to letter case, as the settings were
    // addressed).
    SettingsTable(QString app, QList<SettingDecl> settings);

    const QString& app() const { return app_; }
    // The declarations in table order, each default converted to its type.
    const QList<SettingDecl>& settings() const { return settings_; }

    // For each setting of the table's own application, in table order,
    // clsProperty::RegDefaultKey writes its
    // default where the value is missing or empty. Stops at the first setting
    // it fails for (RegDefaultKey has reported the error) and answers False,
    // `failed` (when given) pointing at that declaration; True when every
    // default is in place.
    bool writeMissingDefaults(clsProperty& property, const SettingDecl** failed = nullptr) const;

    // The stored value in the setting's type, or its default where the value
    // is missing, empty or does not convert. Throws RuntimeError(5) for a
    // setting the table does not declare, RuntimeError(13) for one declared
    // with another type, and the store's error when it cannot be read.
    QString readText(const SettingName& name) const;
    bool readBool(const SettingName& name) const;
    int32_t readInt(const SettingName& name) const;
    double readDouble(const SettingName& name) const;

    // True when the stored value reads as itself: it is missing or empty (the
    // default applies) or it converts to the setting's type ("abc" is no
    // Boolean and no number). Throws as the reads do.
    bool storedValueConverts(const SettingName& name) const;
    // True when the stored value of every setting of the table's own
    // application reads as itself (each is checked; another program's
    // published setting is its own business).
    bool everyStoredValueConverts() const;

    // Stores the value converted to the setting's type. Throws as the reads do,
    // RuntimeError(13) or (6) for a value that does not convert or fit, and the
    // store's error when it cannot be written.
    void write(const SettingName& name, const QVariant& value) const;

    // Removes every value of the table's application and writes the defaults
    // of its own settings, so that a test starts from the store a first start
    // leaves behind.
    void resetToDefaults() const;

private:
    // The declaration of the setting; with a type, it must be declared with that type.
    const SettingDecl& declaration(const SettingName& name, std::optional<SettingType> type) const;
    // The application the setting is stored under.
    QString appOf(const SettingDecl& decl) const;
    QVariant read(const SettingName& name, SettingType type) const;
    // The stored text in the setting's type; nullopt when it does not convert.
    static std::optional<QVariant> convertedStored(const QString& stored, SettingType type);

    QString app_;
    QList<SettingDecl> settings_;
};

} // namespace Ostrel7
