#include "FileTimes.h"

#include "platform/AutomationDate.h"

#include <QFile>
#include <QFileInfo>

namespace Ostrel7::filetimes {

QDateTime localMoment(double date)
{
    QDate day = platform::oadate::toDate(date);
    const int msecs = platform::oadate::toTime(date).msecsSinceStartOfDay();
    int seconds = (msecs + 500) / 1000;
    if (seconds == 24 * 60 * 60) {
        day = day.addDays(1);
        seconds = 0;
    }
    return QDateTime(day, QTime(0, 0).addSecs(seconds), Qt::LocalTime);
}

bool setTimes(const QString& path, const QDateTime& moment)
{
    if (!(QFileInfo(path).permissions() & QFileDevice::WriteOwner))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return false;
    return file.setFileTime(moment, QFileDevice::FileAccessTime) &&
           file.setFileTime(moment, QFileDevice::FileModificationTime);
}

} // namespace Ostrel7::filetimes
