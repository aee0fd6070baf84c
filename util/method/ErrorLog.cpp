#include "ErrorLog.h"

#include "platform/AtomicFile.h"
#include "platform/Cp932.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QLocale>

#include <cstdint>
#include <limits>

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

// A log that reaches this size is started anew with its newest part, so that
// years of reports never fill the disk or make a report slow to write.
constexpr int64_t kMaxLogBytes = int64_t(1) << 20;
// How much of a full log is kept: the newest quarter, whole lines only.
constexpr int64_t kKeptBytes = kMaxLogBytes / 4;

QByteArray lineBytes(const QString& line) { return platform::cp932::encode(line + QStringLiteral("\r\n")); }

// The log as it is to go on: empty when there is none yet; when it is full,
// its header and its newest whole lines. Any size is opened (the log is trimmed
// rather than refused), but only a regular file.
QByteArray logToContinue(const QString& path)
{
    QFile file;
    try {
        platform::openRegularFile(file, path, std::numeric_limits<int64_t>::max());
    } catch (const platform::RuntimeError& e) {
        if (e.number() == platform::errFileNotFound)
            return {};
        throw;
    }
    const qint64 size = file.size();
    if (size < kMaxLogBytes) {
        const QByteArray bytes = file.readAll();
        if (bytes.size() != size)
            throw platform::RuntimeError(platform::errDeviceIO);
        return bytes;
    }
    if (!file.seek(size - kKeptBytes))
        throw platform::RuntimeError(platform::errDeviceIO);
    QByteArray tail = file.read(kKeptBytes);
    if (tail.size() != kKeptBytes)
        throw platform::RuntimeError(platform::errDeviceIO);
    const qsizetype lineEnd = tail.indexOf("\r\n");
    tail.remove(0, lineEnd < 0 ? tail.size() : lineEnd + 2); // the first line is cut: it goes
    return lineBytes(headerLine()) + tail;
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
    // The log is replaced whole with the report added: a kill leaves the old
    // log or the new one, never half a line.
    QByteArray log = logToContinue(path);
    if (log.isEmpty())
        log = lineBytes(headerLine());
    platform::replaceFile(path, log + lineBytes(line));
}

} // namespace Ostrel7::errorlog
