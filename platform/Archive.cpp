#include "Archive.h"

#include "AtomicFile.h"
#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <lhasa.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace platform::archive {

namespace {

[[noreturn]] void throwDamaged(const QString& detail)
{
    throw RuntimeError(errInvalidFileFormat, QStringLiteral("Damaged setting archive: %1").arg(detail));
}

// The archive in memory, handed to liblhasa through its stream callbacks. The
// position of the last read tells where the header liblhasa gave up on began,
// which is how a proper end of archive is told from a damaged or cut one.
struct MemorySource {
    const QByteArray& bytes;
    qsizetype pos = 0;
    qsizetype lastReadStart = -1;

    qsizetype remaining() const { return bytes.size() - pos; }
};

int readSource(void* handle, void* buf, size_t len)
{
    auto* source = static_cast<MemorySource*>(handle);
    source->lastReadStart = source->pos;
    const qsizetype n = std::min<qsizetype>(static_cast<qsizetype>(std::min<size_t>(len, INT32_MAX)),
                                            source->remaining());
    std::memcpy(buf, source->bytes.constData() + source->pos, static_cast<size_t>(n));
    source->pos += n;
    return static_cast<int>(n);
}

// A skip function of our own is essential: liblhasa's fallback loops forever
// when the data ends inside the skipped part.
int skipSource(void* handle, size_t bytes)
{
    auto* source = static_cast<MemorySource*>(handle);
    if (bytes > static_cast<size_t>(source->remaining())) {
        source->pos = source->bytes.size();
        return 0;
    }
    source->pos += static_cast<qsizetype>(bytes);
    return 1;
}

const LHAInputStreamType memoryStreamType = {readSource, skipSource, nullptr};

struct ReaderDeleter {
    void operator()(LHAReader* reader) const { lha_reader_free(reader); }
};
struct StreamDeleter {
    void operator()(LHAInputStream* stream) const { lha_input_stream_free(stream); }
};

// The CRC-16 (polynomial 0xA001, reflected, initial 0) LHA stores per file,
// a byte at a time from a table of each byte's eight steps: a bit at a time,
// checking the archive's files took a tenth of a program's start.
constexpr std::array<uint16_t, 256> kCrc16Table = [] {
    std::array<uint16_t, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        auto crc = static_cast<uint16_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
        table[byte] = crc;
    }
    return table;
}();

uint16_t crc16(const QByteArray& data)
{
    uint16_t crc = 0;
    for (const char c : data)
        crc = static_cast<uint16_t>((crc >> 8) ^ kCrc16Table[(crc ^ static_cast<uint8_t>(c)) & 0xFF]);
    return crc;
}

// "Set01.e" .. "Set10.e" for a stored name of one of them in any letter case, else "".
QString canonicalName(const LHAFileHeader& header)
{
    if (!header.filename)
        return {};
    QString name = QString::fromLatin1(header.filename);
    name = name.mid(std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\')) + 1);
    for (int n = 1; n <= 10; ++n) {
        const QString canonical = QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
        if (name.compare(canonical, Qt::CaseInsensitive) == 0)
            return canonical;
    }
    return {};
}

// Directories and links share the method "-lhd-"; Unix permissions may mark
// devices, pipes and the like. Only regular files are taken.
bool isPlainFile(const LHAFileHeader& header)
{
    if (std::strcmp(header.compress_method, LHA_COMPRESS_TYPE_DIR) == 0)
        return false;
    if (LHA_FILE_HAVE_EXTRA(&header, LHA_FILE_UNIX_PERMS)) {
        const unsigned type = header.unix_perms & 0170000;
        return type == 0 || type == 0100000;
    }
    return true;
}

// Decompresses the current entry and checks its length and CRC.
QByteArray readEntry(LHAReader* reader, LHAFileHeader& header, const QString& name)
{
    if (!lha_decoder_for_name(header.compress_method))
        throwDamaged(QStringLiteral("%1 uses the unknown method %2").arg(name, QString::fromLatin1(header.compress_method)));
    if (header.length > static_cast<size_t>(maxEntrySize))
        throwDamaged(QStringLiteral("%1 is larger than %2 bytes").arg(name).arg(maxEntrySize));
    const auto expected = static_cast<qsizetype>(header.length);
    QByteArray content;
    content.reserve(expected);
    char buffer[65536];
    while (const size_t n = lha_reader_read(reader, buffer, sizeof buffer)) {
        if (content.size() + static_cast<qsizetype>(n) > expected)
            throwDamaged(QStringLiteral("%1 is longer than its header says").arg(name));
        content.append(buffer, static_cast<qsizetype>(n));
    }
    if (content.size() != expected)
        throwDamaged(QStringLiteral("%1 is shorter than its header says").arg(name));
    if (crc16(content) != header.crc)
        throwDamaged(QStringLiteral("CRC error in %1").arg(name));
    return content;
}

// liblhasa answers "no next file" both at the end mark and on a header it
// cannot read; only a zero byte where the next header would begin is a proper
// end. Anything but padding after it means a header was damaged into a zero.
void checkProperEnd(const MemorySource& source, int entries)
{
    if (entries == 0)
        throwDamaged(QStringLiteral("the first header is damaged"));
    const qsizetype end = source.lastReadStart;
    if (end < 0 || end >= source.bytes.size())
        throwDamaged(QStringLiteral("the archive is cut short"));
    if (source.bytes.at(end) != 0)
        throwDamaged(QStringLiteral("bad header after entry %1").arg(entries));
    const QByteArray rest = source.bytes.mid(end + 1);
    if (std::any_of(rest.cbegin(), rest.cend(), [](char c) { return c != 0 && c != 0x1A; }))
        throwDamaged(QStringLiteral("data after the end of the archive"));
}

// liblhasa skips anything in front of the first header it recognises (the stub
// of a self-extracting program). A setting archive has none, and skipping a
// damaged first header would silently lose its file, so the archive must start
// with a header liblhasa recognises there.
bool startsWithHeader(const QByteArray& bytes)
{
    if (bytes.size() < 22 || bytes[2] != '-' || bytes[6] != '-')
        return false;
    const QByteArray method = bytes.mid(3, 3);
    return method.startsWith("lh") || method == "lz4" || method == "lz5" || method == "lzs"
        || (method.startsWith("pm") && method[2] != 's');
}

QByteArray readArchiveFile(const QString& archivePath)
{
    QFile file(archivePath);
    if (!QFileInfo(archivePath).isFile())
        throw RuntimeError(errFileNotFound, QStringLiteral("File not found: %1").arg(archivePath));
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(errPermissionDenied, QStringLiteral("Permission denied: %1").arg(archivePath));
    if (file.size() > maxArchiveSize)
        throwDamaged(QStringLiteral("%1 is larger than %2 bytes").arg(archivePath).arg(maxArchiveSize));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(errDeviceIO, QStringLiteral("Device I/O error: %1").arg(archivePath));
    return bytes;
}

} // namespace

QMap<QString, QByteArray> readSettingFiles(const QByteArray& archive)
{
    if (!startsWithHeader(archive))
        throwDamaged(QStringLiteral("no LHA header at the start"));
    MemorySource source{archive};
    const std::unique_ptr<LHAInputStream, StreamDeleter> stream(lha_input_stream_new(&memoryStreamType, &source));
    if (!stream)
        throw RuntimeError(errOutOfMemory);
    const std::unique_ptr<LHAReader, ReaderDeleter> reader(lha_reader_new(stream.get()));
    if (!reader)
        throw RuntimeError(errOutOfMemory);
    // Directories are skipped anyway; the plain policy keeps liblhasa from
    // handing them out a second time.
    lha_reader_set_dir_policy(reader.get(), LHA_READER_DIR_PLAIN);

    QMap<QString, QByteArray> files;
    int entries = 0;
    for (;;) {
        source.lastReadStart = -1;
        LHAFileHeader* header = lha_reader_next_file(reader.get());
        if (!header)
            break;
        ++entries;
        const QString name = canonicalName(*header);
        if (!name.isEmpty() && isPlainFile(*header))
            files.insert(name, readEntry(reader.get(), *header, name));
    }
    checkProperEnd(source, entries);
    return files;
}

void extractSettingFiles(const QString& archivePath, const QString& targetFolder)
{
    const QMap<QString, QByteArray> files = readSettingFiles(readArchiveFile(archivePath));
    // Every file is written out completely before the first one replaces its
    // target. They are rebuilt from the archive at every start, so they need
    // not be forced to the disk.
    FileReplacement replacement(Durability::Scratch);
    const QDir folder(targetFolder);
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        replacement.stage(folder.filePath(it.key()), it.value());
    replacement.commit();
}

} // namespace platform::archive
