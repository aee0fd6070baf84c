#include "FileNames.h"

#include "platform/RuntimeError.h"

namespace Ostrel7::filenames {

namespace {

QString zeroPadded(int32_t number, int width)
{
    const QString digits = QString::number(qAbs(static_cast<int64_t>(number))).rightJustified(width, u'0');
    return number < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

bool isSeparator(QChar c) { return c == u'/' || c == u'\\'; }

bool endsWithSeparator(const QString& path) { return !path.isEmpty() && isSeparator(path.back()); }

qsizetype lastSeparator(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i]))
            return i;
    return -1;
}

QString addTrailingSeparator(const QString& path)
{
    return endsWithSeparator(path) ? path : path + QChar(kSeparator);
}

QString removeTrailingSeparator(const QString& path)
{
    return endsWithSeparator(path) ? path.chopped(1) : path;
}

QString buildPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return addTrailingSeparator(folder) + name;
}

bool isDrivePath(const QString& path)
{
    return path.size() >= 2 && path[1] == u':' && path[0].unicode() < 0x80 && path[0].isLetter();
}

QString nativePath(const QString& path)
{
    if (path.contains(QChar(0)))
        throw platform::RuntimeError(platform::errBadFileNameOrNumber);
    if (isDrivePath(path))
        throw platform::RuntimeError(platform::errDeviceUnavailable);
    QString native = path;
    native.replace(u'\\', kSeparator);
    return native;
}

QFileInfo entryOf(const QString& path)
{
    if (isDrivePath(path))
        return QFileInfo();
    return QFileInfo(nativePath(path));
}

QString replaceExt(const QString& fullName, const QString& ext)
{
    // Only a dot of the file name itself counts: a dot in a folder name must not
    // send the companion file into another folder.
    const qsizetype dot = fullName.lastIndexOf(u'.');
    if (dot > lastSeparator(fullName))
        return fullName.left(dot + 1) + ext;
    return fullName + QLatin1Char('.') + ext;
}

bool hasForbiddenChar(const QString& text)
{
    static const QString forbidden = QStringLiteral("\\/:;?\"<>|,*");
    for (const QChar c : text)
        if (forbidden.contains(c))
            return true;
    return false;
}

QString numberedName(const QString& head, int32_t number, const QString& ext)
{
    return head + zeroPadded(number, 5) + QLatin1Char('.') + ext;
}

QString threeDigits(int32_t number) { return zeroPadded(number, 3); }

} // namespace Ostrel7::filenames
