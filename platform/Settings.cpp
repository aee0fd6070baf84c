#include "Settings.h"

#include "AtomicFile.h"
#include "FileOps.h"
#include "IniLines.h"
#include "RegularFile.h"
#include "RuntimeError.h"
#include "SettingsFormat.h"
#include "Ui.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>

namespace platform::settings {

namespace {

QString decodeUtf8(const QByteArray& bytes) { return QString::fromUtf8(bytes); }
QByteArray encodeUtf8(const QString& text) { return text.toUtf8(); }

const ini::Codec utf8{decodeUtf8, encodeUtf8};

using Lines = std::vector<ini::Line>;

// The store's content as read: its lines, which a write changes and puts back
// byte for byte, and what each line means, which the reads look up.
struct Snapshot {
    Lines lines;
    std::vector<ini::Entry> entries;
};
using SnapshotPtr = std::shared_ptr<const Snapshot>;

SnapshotPtr emptySnapshot()
{
    static const SnapshotPtr empty = std::make_shared<const Snapshot>();
    return empty;
}

// The content of a file as last read, kept while its identity, size and times
// stay the same, so that a start-up reading some forty values parses the file once.
struct Parsed {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec modified {};
    struct timespec changed {};
    SnapshotPtr snapshot;

    bool describes(const struct stat& status) const
    {
        return device == status.st_dev && inode == status.st_ino && size == status.st_size &&
               modified.tv_sec == status.st_mtim.tv_sec && modified.tv_nsec == status.st_mtim.tv_nsec &&
               changed.tv_sec == status.st_ctim.tv_sec && changed.tv_nsec == status.st_ctim.tv_nsec;
    }
};

std::mutex cacheMutex;
std::map<QString, Parsed>& cache()
{
    static std::map<QString, Parsed> parsed;
    return parsed;
}

void forget(const QString& path)
{
    const std::lock_guard lock(cacheMutex);
    cache().erase(path);
}

// What makes the content no settings file: a byte no text holds, or a line of
// no INI shape (a header or key cut off when the file was half written).
QString damageIn(const QByteArray& content, const Snapshot& snapshot)
{
    for (const char byte : content) {
        const auto b = static_cast<unsigned char>(byte);
        if ((b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F)
            return QStringLiteral("it holds binary data");
    }
    for (size_t i = 0; i < snapshot.lines.size(); ++i)
        if (snapshot.entries[i].kind == ini::Kind::Other && !snapshot.lines[i].text.trimmed().startsWith('#'))
            return QStringLiteral("line %1 is incomplete").arg(i + 1);
    return {};
}

// A name beside the file that says what it is and is not taken yet.
QString asideName(const QString& path)
{
    const QString base = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = base + QStringLiteral("-%1").arg(n);
    return name;
}

// Renames the damaged file aside and tells the user once, naming both files.
// The store then starts empty, so every default applies.
void setAside(const QString& path, const QString& why)
{
    forget(path);
    const QString aside = asideName(path);
    if (!fileops::rename(path, aside)) {
        const int error = errno;
        throw RuntimeError(fileops::errorNumberFor(error, path),
                           QStringLiteral("The settings file %1 is damaged (%2) and could not be set aside")
                               .arg(QDir::toNativeSeparators(path), why));
    }
    ui().messageBox(QStringLiteral("The settings file %1 was damaged (%2).\r\nIt was kept as %3 and the default "
                                   "settings are used.")
                        .arg(QDir::toNativeSeparators(path), why, QDir::toNativeSeparators(aside)),
                    vbExclamation | vbOKOnly, QFileInfo(path).completeBaseName());
}

// The store's content as the file holds it now: empty when the file is
// missing or was damaged (and so set aside).
SnapshotPtr load(const QString& path)
{
    struct stat status {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &status) == 0 && S_ISREG(status.st_mode)) {
        if (status.st_size > maxFileSize) {
            setAside(path, QStringLiteral("it is %1 bytes, more than a settings file holds").arg(status.st_size));
            return emptySnapshot();
        }
        const std::lock_guard lock(cacheMutex);
        const auto cached = cache().find(path);
        if (cached != cache().end() && cached->second.describes(status))
            return cached->second.snapshot;
    }
    const std::optional<QByteArray> content = readWholeFileIfAny(path, maxFileSize);
    if (!content)
        return emptySnapshot();
    auto snapshot = std::make_shared<Snapshot>();
    snapshot->lines = ini::splitLines(*content);
    snapshot->entries = ini::classifyAll(snapshot->lines, utf8);
    if (const QString why = damageIn(*content, *snapshot); !why.isEmpty()) {
        setAside(path, why);
        return emptySnapshot();
    }
    // The status of what was read: a file replaced in the meantime is read again next time.
    if (::stat(native.constData(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size == content->size()) {
        const std::lock_guard lock(cacheMutex);
        cache()[path] = {status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim, snapshot};
    }
    return snapshot;
}

void store(const QString& path, const Lines& lines)
{
    forget(path);
    // The folder is made on the first write, as it always was.
    QDir().mkpath(QFileInfo(path).absolutePath());
    replaceFile(path, ini::joinLines(lines));
}

} // namespace

QString filePath(const QString& app)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/QELM/") + app +
           QStringLiteral(".ini");
}

std::optional<QString> read(const QString& app, const QString& section, const QString& key)
{
    const ini::Position pos = ini::locate(load(filePath(app))->entries, escapedSection(section), escapedKey(key));
    if (!pos.key)
        return std::nullopt;
    const QString value = unescapedValue(pos.value);
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

void write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    const QString path = filePath(app);
    Lines lines = load(path)->lines;
    const Lines before = lines;
    ini::setKey(lines, escapedSection(section), escapedKey(key), escapedValue(value), utf8);
    // A value written as it stands costs no replacement of the file: the
    // programs write their whole settings whenever one of them changes.
    if (lines != before)
        store(path, lines);
}

void remove(const QString& app, const QString& section, const QString& key)
{
    const QString path = filePath(app);
    Lines lines = load(path)->lines;
    if (ini::removeKey(lines, escapedSection(section), escapedKey(key), utf8))
        store(path, lines);
}

void clear(const QString& app)
{
    const QString path = filePath(app);
    load(path); // a folder or pipe in its place is refused, not replaced
    store(path, {});
}

QString boolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace platform::settings
