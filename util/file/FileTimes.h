#pragma once
// Setting a file's times to one local date and time.

#include <QDateTime>
#include <QString>

namespace Ostrel7::filetimes {

// The local wall-clock moment of an automation date, to the nearest second.
// RuntimeError 6 (overflow) for a date outside the valid range.
QDateTime localMoment(double date);

// Sets the last-access and last-write times of an existing file. Linux keeps
// the creation time itself, so that one is left alone. False when the file
// can't be opened for writing (a file without its owner's write bit counts as
// read-only for every user, root included) or a time can't be set.
bool setTimes(const QString& path, const QDateTime& moment);

} // namespace Ostrel7::filetimes
