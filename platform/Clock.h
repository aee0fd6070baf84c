#pragma once
// Today's date and time, and the system's country, behind seams that tests set.

#include <QDateTime>
#include <QString>
#include <functional>

namespace platform {

QDateTime now();
// Tests fix the clock; an empty function restores the real one.
void setClockForTesting(std::function<QDateTime()> clock);

// The English name of the system locale's country ("Japan", "United States").
QString countryName();
// Tests fix the country; an empty function restores the system's.
void setCountryForTesting(std::function<QString()> country);

} // namespace platform
