#include "Settings.h"

#include "RuntimeError.h"

#include <QSettings>

namespace platform::settings {

namespace {

QSettings storeFor(const QString& app)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QELM"), app);
}

QString path(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

void checkStatus(const QSettings& store)
{
    switch (store.status()) {
    case QSettings::NoError: return;
    case QSettings::AccessError: throw RuntimeError(errPathFileAccess);
    case QSettings::FormatError: throw RuntimeError(errBadFileMode);
    }
}

} // namespace

std::optional<QString> read(const QString& app, const QString& section, const QString& key)
{
    QSettings store = storeFor(app);
    checkStatus(store);
    const QString value = store.value(path(section, key)).toString();
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

void write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    QSettings store = storeFor(app);
    store.setValue(path(section, key), value);
    store.sync();
    checkStatus(store);
}

void remove(const QString& app, const QString& section, const QString& key)
{
    QSettings store = storeFor(app);
    store.remove(path(section, key));
    store.sync();
    checkStatus(store);
}

void clear(const QString& app)
{
    QSettings store = storeFor(app);
    store.clear();
    store.sync();
    checkStatus(store);
}

QString boolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace platform::settings
