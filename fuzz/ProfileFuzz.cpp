// The INI reader and writer on arbitrary bytes: the input is an INI file, a
// section name, a key name and a value (CP932 bytes, cut at form feeds). The
// key is read as a number and as text, then the value is written; a write that
// answers True must read back as the value, and one that answers False must
// leave the file byte for byte as it was.

#include "FuzzSupport.h"

#include "platform/Cp932.h"
#include "platform/PrivateProfile.h"
#include "platform/RuntimeError.h"

#include <QFile>

#include <cstdlib>

namespace profile = platform::profile;
namespace cp932 = platform::cp932;

namespace {

constexpr int kBufferChars = 1 << 20; // larger than any file the reader takes

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the reader makes of a value written as it stands.
QString readingOf(const QString& value)
{
    const QString trimmed = value.trimmed();
    if (trimmed.size() >= 2 && (trimmed.front() == u'"' || trimmed.front() == u'\'') && trimmed.back() == trimmed.front())
        return trimmed.mid(1, trimmed.size() - 2);
    return trimmed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = fuzzsupport::split(data, size, 4);
    const QString file = fuzzsupport::writeFile(QStringLiteral("fuzz.ini"), parts[0]);
    const QString section = cp932::decode(parts[1]);
    const QString key = cp932::decode(parts[2]);
    const QString value = cp932::decode(parts[3]);

    (void)profile::getInt(section, key, 7, file);
    (void)profile::getString(section, key, QStringLiteral("default"), 16, file);

    const QByteArray before = contentOf(file);
    if (!profile::writeString(section, key, value, file)) {
        if (contentOf(file) != before)
            std::abort(); // a refused write changed the file
        return 0;
    }
    if (profile::getString(section, key, QString(), kBufferChars, file) != readingOf(value))
        std::abort(); // what was written does not read back
    return 0;
}
