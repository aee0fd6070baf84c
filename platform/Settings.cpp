#include "Settings.h"

#include "RuntimeError.h"

#include <QSettings>

#include <map>
#include <memory>

namespace platform::settings {

namespace {

// One store per application for the life of the process: opening a store
// looks for its file in several folders, which a start-up reading some forty
// values would otherwise do forty times. The other program of the suite writes
// into the same files (the step editor its folder for the setting program), so
// every read first takes in what changed on disk (the store then reads the
// file again only when its size or time changed), and every change is synced
// at once.
QSettings& storeFor(const QString& app)
{
    static std::map<QString, std::unique_ptr<QSettings>> stores;
    std::unique_ptr<QSettings>& store = stores[app];
    if (!store)
        store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QELM"), app);
    return *store;
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
    QSettings& store = storeFor(app);
    store.sync();
    checkStatus(store);
    const QString value = store.value(path(section, key)).toString();
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

void write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    QSettings& store = storeFor(app);
    store.setValue(path(section, key), value);
    store.sync();
    checkStatus(store);
}

void remove(const QString& app, const QString& section, const QString& key)
{
    QSettings& store = storeFor(app);
    store.remove(path(section, key));
    store.sync();
    checkStatus(store);
}

void clear(const QString& app)
{
    QSettings& store = storeFor(app);
    store.clear();
    store.sync();
    checkStatus(store);
}

QString boolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace platform::settings
