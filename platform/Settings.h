#pragma once
// Per-user text settings addressed by application, section and key, kept in one
// INI file per application in the user's configuration folder.

#include <QString>
#include <optional>

namespace platform::settings {

// The stored text; nullopt when the value is missing or empty, which the suite
// treats alike. Throws RuntimeError when the store cannot be read.
std::optional<QString> read(const QString& app, const QString& section, const QString& key);

// Stores the text and flushes it to disk. Throws RuntimeError when it cannot be written.
void write(const QString& app, const QString& section, const QString& key, const QString& value);

// Removes a value (a missing value reads as its default again).
void remove(const QString& app, const QString& section, const QString& key);

// Removes every value of the application.
void clear(const QString& app);

// Booleans and numbers as the store keeps them: "True"/"False", invariant decimals.
QString boolText(bool value);

} // namespace platform::settings
