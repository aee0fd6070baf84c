#include "FileHeader.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>

namespace Ostrel7::fileheader {

QByteArray read(const QString& path, qint64 offset, int count)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw platform::RuntimeError(platform::errFileNotFound);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw platform::RuntimeError(platform::errPathFileAccess);
    QByteArray bytes(count, '\0');
    if (file.seek(offset)) {
        const QByteArray got = file.read(count);
        std::copy(got.begin(), got.end(), bytes.begin());
    }
    return bytes;
}

int16_t int16At(const QByteArray& bytes, int pos) { return qFromLittleEndian<int16_t>(bytes.constData() + pos); }

int32_t int32At(const QByteArray& bytes, int pos) { return qFromLittleEndian<int32_t>(bytes.constData() + pos); }

} // namespace Ostrel7::fileheader
