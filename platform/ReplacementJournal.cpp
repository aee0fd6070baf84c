#include "ReplacementJournal.h"

#include "FileOps.h"
#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <optional>
#include <signal.h>
#include <sys/stat.h>
#include <ctime>
#include <unistd.h>

namespace platform {

namespace {

using namespace fileops;
using Entry = ReplacementJournal::Entry;

constexpr char kJournal[] = ".qelm-journal";
constexpr char kRollBack[] = ".qelm-rollback";
constexpr char kNew[] = ".new";
constexpr char kOld[] = ".old";
const QByteArray kHeader = "qelm-journal 1";
const QByteArray kEnd = "end";

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// The journals this process is acting on; another replacement's recovery in
// this process must leave them alone.
QMutex& activeMutex()
{
    static QMutex mutex;
    return mutex;
}
QSet<QString>& activeJournals()
{
    static QSet<QString> journals;
    return journals;
}
void setActive(const QString& journal, bool active)
{
    const QMutexLocker lock(&activeMutex());
    if (active)
        activeJournals().insert(journal);
    else
        activeJournals().remove(journal);
}
bool isActive(const QString& journal)
{
    const QMutexLocker lock(&activeMutex());
    return activeJournals().contains(journal);
}

// The parts of one of our hidden names: `.<base>.<pid>-<tag><suffix>`.
struct HiddenName {
    QString base;
    qint64 pid = 0;
    QString suffix;
};

std::optional<HiddenName> parseHiddenName(const QString& fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\.(.+)\.([1-9][0-9]{0,9})-[0-9a-z]{1,13}(\.new|\.old|\.qelm-journal|\.qelm-rollback)$)"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    return HiddenName{match.captured(1), match.captured(2).toLongLong(), match.captured(3)};
}

bool processAlive(qint64 pid)
{
    if (pid == ::getpid())
        return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Whether the path names a regular file (not a link) of this user.
bool isOwnRegularFile(const QString& path)
{
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

bool entryExists(const QString& path)
{
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0;
}

// The empty file beside a journal that says its replacement is being undone.
QString rollBackMarkerOf(const QString& journal)
{
    QString marker = journal;
    marker.chop(int(std::strlen(kJournal)));
    return marker + QLatin1String(kRollBack);
}

QByteArray encode(const std::vector<Entry>& entries)
{
    QByteArray text = kHeader + '\n';
    for (const Entry& entry : entries)
        text += QUrl::toPercentEncoding(entry.target) + '\t' + QUrl::toPercentEncoding(entry.written) + '\t' +
            QUrl::toPercentEncoding(entry.kept) + '\n';
    return text + kEnd + '\n';
}

// Whether the name is the hidden new or old name of the target, of the journal's writer.
bool isCompanion(const QString& name, const QString& target, qint64 pid, const char* suffix)
{
    const QFileInfo info(name);
    const QFileInfo targetInfo(target);
    const std::optional<HiddenName> parsed = parseHiddenName(info.fileName());
    return info.isAbsolute() && info.absolutePath() == targetInfo.absolutePath() && parsed &&
        parsed->base == targetInfo.fileName() && parsed->pid == pid && parsed->suffix == QLatin1String(suffix);
}

// The entries of a complete journal whose names are all ours; none else.
std::optional<std::vector<Entry>> decode(const QByteArray& text, qint64 pid)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 4 || lines.takeFirst() != kHeader || lines.takeLast() != QByteArray() || lines.takeLast() != kEnd)
        return std::nullopt;
    std::vector<Entry> entries;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3)
            return std::nullopt;
        Entry entry{QString::fromUtf8(QByteArray::fromPercentEncoding(fields[0])),
                    QString::fromUtf8(QByteArray::fromPercentEncoding(fields[1])),
                    QString::fromUtf8(QByteArray::fromPercentEncoding(fields[2]))};
        if (!QFileInfo(entry.target).isAbsolute() || !isCompanion(entry.written, entry.target, pid, kNew) ||
            (!entry.kept.isEmpty() && !isCompanion(entry.kept, entry.target, pid, kOld)))
            return std::nullopt;
        entries.push_back(entry);
    }
    return entries;
}

std::optional<std::vector<Entry>> readJournal(const QString& path, qint64 pid)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decode(file.read(1 << 20), pid);
}

bool syncFoldersOf(const std::vector<Entry>& entries)
{
    QSet<QString> folders;
    for (const Entry& entry : entries)
        folders.insert(QFileInfo(entry.target).absolutePath());
    bool synced = true;
    for (const QString& folder : folders)
        synced = syncFolder(folder) && synced;
    return synced;
}

// Puts every new file still waiting into place.
bool rollForward(const std::vector<Entry>& entries)
{
    bool done = true;
    for (const Entry& entry : entries)
        if (entryExists(entry.written) && !rename(entry.written, entry.target))
            done = false;
    if (!done || !syncFoldersOf(entries))
        return false;
    for (const Entry& entry : entries)
        if (!entry.kept.isEmpty())
            removeQuietly(entry.kept);
    return true;
}

// Puts every old file still kept back; removes the new files of targets that were new.
bool rollBack(const std::vector<Entry>& entries)
{
    bool done = true;
    for (const Entry& entry : entries) {
        if (!entry.kept.isEmpty()) {
            if (entryExists(entry.kept) && !rename(entry.kept, entry.target))
                done = false;
        } else if (!entryExists(entry.written)) {
            removeQuietly(entry.target); // it was put in place; there was no file before
        }
    }
    if (!done || !syncFoldersOf(entries))
        return false;
    for (const Entry& entry : entries)
        removeQuietly(entry.written);
    return true;
}

struct FolderOutcome {
    QSet<QString> protectedNames; // named by a journal that is still to be acted on
    QSet<QString> failedTargets;  // of journals that could not be acted on
    bool ok = true;
};

// Whether the folder is gone: no part of it is left to complete or undo.
bool folderVanished(const QString& folder)
{
    struct stat st {};
    return ::stat(native(folder).constData(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

// The entries whose folder is still there. A folder can vanish with what
// was in it: the private working folder of a dead run, which the next start
// removes (journals of earlier versions listed working copies beside the
// user's files). Nothing can be put into it or back, and nothing of it is
// left to mix with the files of the other entries, so its entries are dropped.
std::vector<Entry> inExistingFolders(const std::vector<Entry>& entries)
{
    std::vector<Entry> kept;
    for (const Entry& entry : entries)
        if (!folderVanished(QFileInfo(entry.target).absolutePath()))
            kept.push_back(entry);
    return kept;
}

// Acts on one journal of a dead writer.
void recoverJournal(const QString& path, const HiddenName& name, FolderOutcome& outcome)
{
    std::optional<std::vector<Entry>> entries = readJournal(path, name.pid);
    if (entries)
        entries = inExistingFolders(*entries);
    if (!entries) {
        // Written only part way: no rename had begun (a journal is forced to
        // the disk before the first), so its files are plain leftovers.
        removeQuietly(path);
        return;
    }
    const QString marker = rollBackMarkerOf(path);
    const bool done = entryExists(marker) ? rollBack(*entries) : rollForward(*entries);
    if (done) {
        removeQuietly(path);
        removeQuietly(marker);
        return;
    }
    outcome.protectedNames << marker;
    outcome.ok = false;
    for (const Entry& entry : *entries) {
        outcome.protectedNames << entry.written << entry.kept;
        outcome.failedTargets << entry.target;
    }
}

QStringList hiddenNamesIn(const QString& folder)
{
    QStringList names;
    DIR* dir = ::opendir(native(folder).constData());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir))
        if (entry->d_name[0] == '.' && entry->d_name[1] != '\0' && std::strcmp(entry->d_name, "..") != 0)
            names << QFile::decodeName(entry->d_name);
    ::closedir(dir);
    return names;
}

// Folders seen holding nothing of a replacement, as they stood then: a read
// of a file there need not list the folder again (a folder of thousands of
// files costs more to list than a table costs to read) until the folder
// changes. Creating a journal or a new file changes it.
struct FolderStamp {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    timespec changed{};
    bool operator==(const FolderStamp& o) const
    {
        return device == o.device && inode == o.inode && modified.tv_sec == o.modified.tv_sec &&
            modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
            changed.tv_nsec == o.changed.tv_nsec;
    }
};

// A stamp younger than this may share its time with a change that follows
// the listing within the file system's clock tick: such a folder is not
// taken as clean.
constexpr time_t kSettledSeconds = 2;

std::optional<FolderStamp> stampOf(const QString& folder)
{
    struct stat st {};
    if (::stat(native(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return FolderStamp{st.st_dev, st.st_ino, st.st_mtim, st.st_ctim};
}

// A few folders are remembered, by identity rather than by name, in a table
// of fixed size: a read allocates nothing that outlives it.
constexpr size_t kRememberedFolders = 16;

struct CleanFolders {
    QMutex mutex;
    std::array<std::optional<FolderStamp>, kRememberedFolders> stamps;
    size_t next = 0;
};

CleanFolders& cleanFolders()
{
    static CleanFolders folders;
    return folders;
}

bool knownClean(const std::optional<FolderStamp>& stamp)
{
    if (!stamp)
        return false;
    CleanFolders& folders = cleanFolders();
    const QMutexLocker lock(&folders.mutex);
    return std::find(folders.stamps.begin(), folders.stamps.end(), stamp) != folders.stamps.end();
}

void rememberClean(const std::optional<FolderStamp>& stamp, bool clean)
{
    if (!stamp)
        return;
    CleanFolders& folders = cleanFolders();
    const QMutexLocker lock(&folders.mutex);
    for (std::optional<FolderStamp>& known : folders.stamps)
        if (known && known->device == stamp->device && known->inode == stamp->inode)
            known.reset();
    if (clean && ::time(nullptr) - stamp->modified.tv_sec >= kSettledSeconds) {
        folders.stamps[folders.next] = stamp;
        folders.next = (folders.next + 1) % kRememberedFolders;
    }
}

FolderOutcome recoverFolder(const QString& folder)
{
    FolderOutcome outcome;
    const std::optional<FolderStamp> stamp = stampOf(folder);
    if (knownClean(stamp))
        return outcome;
    bool clean = true;
    const QDir dir(folder);
    QList<std::pair<QString, HiddenName>> leftovers;
    for (const QString& fileName : hiddenNamesIn(folder)) {
        const std::optional<HiddenName> name = parseHiddenName(fileName);
        if (!name)
            continue;
        clean = false;
        const QString path = dir.absoluteFilePath(fileName);
        // Another user's files, or a live writer's, are never touched.
        if (!isOwnRegularFile(path) || (processAlive(name->pid) && (name->pid != ::getpid() || isActive(path))))
            continue;
        if (name->suffix == QLatin1String(kJournal))
            recoverJournal(path, *name, outcome);
        else
            leftovers.append({path, *name});
    }
    // A new or old file without a journal is never the only copy of anything:
    // the targets were all old before a journal was written, and all new after it
    // was removed. A roll-back marker without its journal is done with.
    for (const auto& [path, name] : leftovers)
        if (name.pid != ::getpid() && !outcome.protectedNames.contains(path))
            removeQuietly(path);
    rememberClean(stamp, clean);
    return outcome;
}

} // namespace

QString replacementName(const QFileInfo& target, const char* suffix)
{
    const QString tag = QString::number(QRandomGenerator::global()->generate(), 36);
    return target.absoluteDir().filePath(QStringLiteral(".%1.%2-%3%4")
                                             .arg(target.fileName())
                                             .arg(::getpid())
                                             .arg(tag, QLatin1String(suffix)));
}

ReplacementJournal::ReplacementJournal(const std::vector<Entry>& entries, bool durable)
{
    const QString first = entries.front().target;
    const QByteArray text = encode(entries);
    for (int attempt = 0;; ++attempt) {
        path_ = replacementName(QFileInfo(first), kJournal);
        const int fd = createExclusive(path_, 0600);
        if (fd < 0 && errno == EEXIST && attempt < 100)
            continue;
        int cause = errno;
        bool written = fd >= 0;
        if (written) {
            setActive(path_, true);
            written = writeAll(fd, text.constData(), text.size(), path_) && (!durable || flush(fd, path_));
            cause = written ? 0 : errno;
            if (!fileops::close(fd, path_) && written) {
                written = false;
                cause = errno;
            }
        }
        if (written && durable && !syncFoldersOf(entries)) {
            written = false;
            cause = errno;
        }
        if (written)
            return;
        if (fd >= 0) {
            removeQuietly(path_);
            setActive(path_, false);
        }
        path_.clear();
        throw RuntimeError(errorNumberFor(cause, first),
                           QStringLiteral("%1: %2").arg(RuntimeError::standardText(errorNumberFor(cause, first)),
                                                        QDir::toNativeSeparators(first)));
    }
}

ReplacementJournal::~ReplacementJournal() { leave(); }

void ReplacementJournal::finish()
{
    if (path_.isEmpty())
        return;
    removeQuietly(path_);
    removeQuietly(rollBackMarkerOf(path_)); // a marker without its journal is a mere leftover
    leave();
}

bool ReplacementJournal::markRollBack()
{
    const QString marker = rollBackMarkerOf(path_);
    const int fd = createExclusive(marker, 0600);
    if (fd < 0)
        return false;
    if (!fileops::close(fd, marker)) {
        const int cause = errno;
        removeQuietly(marker);
        errno = cause;
        return false;
    }
    // Should the disk fail here, the roll-back is at worst completed later.
    syncFolder(QFileInfo(marker).absolutePath());
    return true;
}

void ReplacementJournal::leave()
{
    if (!path_.isEmpty())
        setActive(path_, false);
    path_.clear();
}

bool recoverReplacements(const QString& folder) { return recoverFolder(folder).ok; }

void recoverFor(const QString& path)
{
    QString target = QFileInfo(path).absoluteFilePath();
    try {
        target = resolveLinks(path);
    } catch (const RuntimeError&) {
        // The caller's own resolution reports the bad link.
    }
    const FolderOutcome outcome = recoverFolder(QFileInfo(target).absolutePath());
    if (outcome.failedTargets.contains(target))
        throw RuntimeError(errPathFileAccess,
                           QStringLiteral("%1: %2. An earlier save of it was cut off and could not be completed")
                               .arg(RuntimeError::standardText(errPathFileAccess), QDir::toNativeSeparators(target)));
}

} // namespace platform
