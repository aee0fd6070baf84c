#include "Clock.h"

#include <QLocale>

namespace platform {

namespace {

std::function<QDateTime()>& clockSeam()
{
    static std::function<QDateTime()> clock;
    return clock;
}

std::function<QString()>& countrySeam()
{
    static std::function<QString()> country;
    return country;
}

} // namespace

QDateTime now() { return clockSeam() ? clockSeam()() : QDateTime::currentDateTime(); }

void setClockForTesting(std::function<QDateTime()> clock) { clockSeam() = std::move(clock); }

QString countryName()
{
    if (countrySeam())
        return countrySeam()();
    const QLocale::Territory territory = QLocale::system().territory();
    return territory == QLocale::AnyTerritory ? QString() : QLocale::territoryToString(territory);
}

void setCountryForTesting(std::function<QString()> country) { countrySeam() = std::move(country); }

} // namespace platform
