#include "AtomicFile.h"

#include "FileOps.h"
#include "ReplacementJournal.h"
#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

using namespace fileops;

[[noreturn]] void fail(int number, const QString& path, const QString& outcome = {})
{
    QString text = QStringLiteral("%1: %2").arg(RuntimeError::standardText(number), QDir::toNativeSeparators(path));
    if (!outcome.isEmpty())
        text += QStringLiteral(". ") + outcome;
    throw RuntimeError(number, text);
}

[[noreturn]] void failWithErrno(int errnoValue, const QString& path, const QString& outcome = {})
{
    fail(errorNumberFor(errnoValue, path), path, outcome);
}

QString besideName(const QFileInfo& target, const char* suffix) { return replacementName(target, suffix); }

// The permission bits of the file a replacement stands in for; none when the
// target is new.
std::optional<mode_t> oldModeOf(const QString& target)
{
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) == 0)
        return st.st_mode & 07777;
    return std::nullopt;
}

// Writes the bytes into a new hidden file beside the target and forces them to
// the disk; answers its name. Nothing is left behind on failure.
QString writeBeside(const QString& target, const QByteArray& content, const char* suffix, bool durable = true)
{
    const QFileInfo info(target);
    const std::optional<mode_t> oldMode = oldModeOf(target);
    for (int attempt = 0;; ++attempt) {
        const QString name = besideName(info, suffix);
        // A new file gets the bits every new file gets: read and write for
        // all, less the process's creation mask, which open() applies.
        const int fd = createExclusive(name, oldMode.value_or(0666));
        if (fd < 0) {
            if (errno == EEXIST && attempt < 100)
                continue;
            failWithErrno(errno, target);
        }
        if (oldMode)
            ::fchmod(fd, *oldMode); // the creation mask must not narrow an old file's bits
        if (!writeAll(fd, content.constData(), content.size(), name) || (durable && !flush(fd, name))) {
            const int cause = errno;
            ::close(fd);
            removeQuietly(name);
            failWithErrno(cause, target);
        }
        if (!fileops::close(fd, name)) {
            const int cause = errno;
            removeQuietly(name);
            failWithErrno(cause, target);
        }
        return name;
    }
}

bool ownedByThisUser(const struct stat& st) { return st.st_uid == ::geteuid(); }

// A copy of the old file under a hidden name of this user's, so it can be put back.
QString keepCopyAside(const QString& target)
{
    QFile old(target);
    if (!old.open(QIODevice::ReadOnly))
        fail(errPermissionDenied, target);
    const QByteArray bytes = old.readAll();
    if (old.error() != QFileDevice::NoError)
        fail(errDeviceIO, target);
    return writeBeside(target, bytes, ".old");
}

// A second name for the old file, so it can be put back. Another user's file
// gets a copy instead: a second name of it would be theirs, which neither this
// save nor a later recovery may remove. So do file systems without hard links
// (a memory stick).
QString keepAside(const QString& target)
{
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) == 0 && !ownedByThisUser(st))
        return keepCopyAside(target);
    const QFileInfo info(target);
    for (int attempt = 0;; ++attempt) {
        const QString name = besideName(info, ".old");
        if (link(target, name))
            return name;
        if (errno == EEXIST && attempt < 100)
            continue;
        if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK)
            failWithErrno(errno, target);
        return keepCopyAside(target);
    }
}

// In a sticky folder a file is its owner's: nobody else but the folder's
// owner may replace or remove it, and the kernel refuses even root to open
// another user's file there for writing. Another user's file there (a
// companion they put first) is refused before anything is written, so the
// save fails leaving nothing behind.
void refuseOthersFileInStickyFolder(const QString& target, const QString& path)
{
    struct stat file {};
    struct stat folder {};
    if (::lstat(QFile::encodeName(target).constData(), &file) != 0 ||
        ::stat(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), &folder) != 0)
        return;
    if (!(folder.st_mode & S_ISVTX) || ownedByThisUser(file) || ownedByThisUser(folder))
        return;
    fail(errPermissionDenied, path, QStringLiteral("It belongs to another user of this shared folder"));
}

} // namespace

void replaceFile(const QString& path, const QByteArray& content)
{
    FileReplacement replacement;
    replacement.stage(path, content);
    replacement.commit();
}

void replaceScratchFile(const QString& path, const QByteArray& content)
{
    FileReplacement replacement(Durability::Scratch);
    replacement.stage(path, content);
    replacement.commit();
}

FileReplacement::FileReplacement(Durability durability) : durability_(durability) {}

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::discard()
{
    if (journal_) {
        // Cut off between renames (an unexpected exception): the journal and
        // the files it names stay for the next recovery to complete.
        journal_->leave();
        journal_.reset();
        staged_.clear();
        return;
    }
    for (const Staged& file : staged_) {
        if (!file.written.isEmpty())
            removeQuietly(file.written);
        if (!file.kept.isEmpty())
            removeQuietly(file.kept);
    }
    staged_.clear();
}

void FileReplacement::stage(const QString& path, const QByteArray& content)
{
    recoverFor(path);
    const QString target = resolveLinks(path);
    for (const Staged& file : staged_)
        if (file.target == target)
            fail(errPathFileAccess, path, QStringLiteral("The same file is named twice in one save"));
    const QFileInfo info(target);
    if (info.isDir())
        fail(errPathFileAccess, path);
    refuseOthersFileInStickyFolder(target, path);
    // A target marked read-only must stay so: refuse rather than rename over it.
    // The owner's write bit decides, so that this holds for every user, root included.
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        fail(errPermissionDenied, path);
    staged_.push_back({target, QString(), QString()});
    staged_.back().written = writeBeside(target, content, ".new", durability_ == Durability::Synced);
}

void FileReplacement::commit()
{
    keepOldFiles();
    writeJournal();
    placeNewFiles();
    if (durability_ == Durability::Synced)
        syncFolders();
    if (journal_)
        journal_->finish(); // every new file is in place: the old ones are no longer needed
    journal_.reset();
    for (Staged& file : staged_)
        if (!file.kept.isEmpty())
            removeQuietly(file.kept);
    staged_.clear();
}

void FileReplacement::keepOldFiles()
{
    try {
        for (Staged& file : staged_)
            if (QFileInfo::exists(file.target))
                file.kept = keepAside(file.target);
    } catch (const RuntimeError& e) {
        discard();
        throw RuntimeError(e.number(), e.description() + QStringLiteral(". No file was changed"));
    }
}

void FileReplacement::writeJournal()
{
    // One rename is whole by itself; several need a journal so that a kill
    // between them is completed later instead of leaving a mixed set.
    if (staged_.size() < 2)
        return;
    std::vector<ReplacementJournal::Entry> entries;
    for (const Staged& file : staged_)
        entries.push_back({file.target, file.written, file.kept});
    try {
        journal_ = std::make_unique<ReplacementJournal>(entries, durability_ == Durability::Synced);
    } catch (const RuntimeError& e) {
        discard();
        throw RuntimeError(e.number(), e.description() + QStringLiteral(". No file was changed"));
    }
}

void FileReplacement::placeNewFiles()
{
    for (size_t placed = 0; placed < staged_.size(); ++placed) {
        Staged& file = staged_[placed];
        if (!rename(file.written, file.target))
            rollBack(placed, errno, file.target);
        file.written.clear();
    }
}

void FileReplacement::syncFolders()
{
    QSet<QString> synced;
    for (const Staged& file : staged_) {
        const QString folder = QFileInfo(file.target).absolutePath();
        if (synced.contains(folder))
            continue;
        if (!syncFolder(folder))
            rollBack(staged_.size(), errno, folder);
        synced.insert(folder);
    }
}

void FileReplacement::rollBack(size_t placed, int cause, const QString& failedPath)
{
    // A copy: the path may be a staged entry's, which discard() frees.
    const QString where = failedPath;
    if (journal_ && placed == 0) {
        journal_->finish(); // nothing was replaced: nothing to complete or undo
        journal_.reset();
    }
    if (journal_ && !journal_->markRollBack()) {
        // The journal still says "complete": the next recovery puts the new
        // files in place, so the set can't stay mixed. Nothing is removed.
        journal_->leave();
        journal_.reset();
        staged_.clear();
        failWithErrno(cause, where, QStringLiteral("The save is completed the next time the file is opened"));
    }
    QStringList notRestored;
    for (size_t i = placed; i-- > 0;) {
        Staged& file = staged_[i];
        if (file.kept.isEmpty()) {
            removeQuietly(file.target); // there was no file before this save
            continue;
        }
        if (rename(file.kept, file.target)) {
            file.kept.clear();
            continue;
        }
        // The old content stays under its second name; the message says where.
        notRestored << QStringLiteral("%1 (old content kept as %2)")
                           .arg(QDir::toNativeSeparators(file.target), QFileInfo(file.kept).fileName());
        file.kept.clear();
    }
    QSet<QString> folders;
    for (size_t i = 0; i < placed; ++i)
        folders.insert(QFileInfo(staged_[i].target).absolutePath());
    for (const QString& folder : folders)
        syncFolder(folder); // best effort: the error to report is the cause
    const QString outcome = notRestored.isEmpty()
        ? QStringLiteral("No file was changed")
        : QStringLiteral("These files were replaced and could not be put back: %1. "
                         "They are put back the next time the file is opened")
              .arg(notRestored.join(QStringLiteral(", ")));
    if (journal_) {
        if (notRestored.isEmpty())
            journal_->finish();
        else
            journal_->leave(); // the roll-back journal lets the next recovery finish it
        journal_.reset();
    }
    discard();
    failWithErrno(cause, where, outcome);
}

} // namespace platform
