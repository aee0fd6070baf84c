#include "ErrorLog.h"

#include "platform/Cp932.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace Ostrel7::errorlog {

namespace {

constexpr int kZoneWidth = 14;

// Pads the line (cursor at column line.size() + 1) to the next zone start.
void moveToNextZone(QString& line)
{
    const int cursor = static_cast<int>(line.size()) + 1;
    const int next = ((cursor - 1) / kZoneWidth + 1) * kZoneWidth + 1; // first 14k+1 beyond the cursor
    line.append(QString(next - cursor, QLatin1Char(' ')));
}

QString numberField(int32_t code)
{
    const qint64 value = code;
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(value < 0 ? -value : value) +
           QLatin1Char(' ');
}

QString timeText(const QDateTime& when)
{
    const QLocale locale = QLocale::system();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t')); // the time zone is not part of the report
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), timeFormat.trimmed());
}

int openLog(const QString& path, int flags)
{
    return ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0644);
}

void writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = errno;
            ::close(fd);
            throw platform::RuntimeError(error == ENOSPC ? platform::errDiskFull : platform::errDeviceIO);
        }
        done += n;
    }
}

[[noreturn]] void throwOpenError()
{
    switch (errno) {
    case EACCES:
    case EPERM:
    case EROFS: throw platform::RuntimeError(platform::errPermissionDenied);
    case ENOENT: throw platform::RuntimeError(platform::errPathNotFound);
    default: throw platform::RuntimeError(platform::errPathFileAccess);
    }
}

} // namespace

QString headerLine()
{
    QString line = QStringLiteral("ErrorCode");
    for (const auto& [column, title] : {std::pair{15, "Date/Time"}, {43, "ModuleName"}, {85, "Content"}}) {
        line = line.leftJustified(column - 1, QLatin1Char(' '));
        line += QLatin1String(title);
    }
    return line;
}

QString reportLine(int32_t code, const QDateTime& when, const QString& moduleName, const QString& text)
{
    QString line = numberField(code);
    for (const QString& field : {timeText(when), moduleName, text}) {
        moveToNextZone(line);
        line += field;
    }
    return line;
}

void append(const QString& path, const QString& line)
{
    // Exclusive create: the header is written only by whoever creates the log,
    // never over a log that another program of the suite has just started.
    int fd = openLog(path, O_WRONLY | O_CREAT | O_EXCL);
    if (fd >= 0) {
        writeAll(fd, platform::cp932::encode(headerLine() + QStringLiteral("\r\n")));
        ::close(fd);
    } else if (errno != EEXIST) {
        throwOpenError();
    }
    fd = openLog(path, O_WRONLY | O_APPEND);
    if (fd < 0)
        throwOpenError();
    writeAll(fd, platform::cp932::encode(line + QStringLiteral("\r\n")));
    ::close(fd);
}

} // namespace Ostrel7::errorlog
